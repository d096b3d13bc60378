#include "platform/ftpupload.h"

#include <QFile>
#include <QThread>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace fixtora {

namespace {

// Without progress for this long, a transfer is given up.
constexpr long kStallSeconds = 60;

constexpr int kMaxPort = 65535;

struct Upload {
    QByteArray bytes;
    qsizetype sent = 0;
};

size_t readBytes(char *buffer, size_t size, size_t count, void *data)
{
    auto *upload = static_cast<Upload *>(data);
    const size_t left = size_t(upload->bytes.size() - upload->sent);
    const size_t chunk = std::min(size * count, left);
    std::memcpy(buffer, upload->bytes.constData() + upload->sent, chunk);
    upload->sent += qsizetype(chunk);
    return chunk;
}

UploadResult failure(const QString &message)
{
    return {false, message};
}

bool holdsControl(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// The site as an address: a site typed without a scheme is an ftp:// site.
QString siteAddress(const QString &site)
{
    QString text = site.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("ftp://"));
    return text;
}

// The server of an address and, after a colon, its port: what stands between
// "://" and the path, without a user part.
QStringView serverPart(QStringView address)
{
    QStringView rest = address.mid(address.indexOf(u"://") + 3);
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == u'/' || rest[i] == u'?' || rest[i] == u'#') {
            rest = rest.left(i);
            break;
        }
    }
    return rest.mid(rest.lastIndexOf(u'@') + 1);
}

bool isPort(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    const int port = text.toInt();
    return port >= 1 && port <= kMaxPort;
}

QString siteProblem(const QString &address)
{
    const QString scheme = address.left(address.indexOf(QLatin1String("://"))).toLower();
    if (scheme != QLatin1String("ftp") && scheme != QLatin1String("ftps"))
        return QStringLiteral("Only ftp:// and ftps:// sites can be used.");
    QStringView host = serverPart(address);
    const auto badServer = [&host] {
        return QStringLiteral("The server name \"%1\" of the FTP site is not valid.").arg(host);
    };
    // The colons of an IPv6 address stand within brackets.
    const qsizetype hostEnd = host.startsWith(u'[') ? host.indexOf(u']') : 0;
    if (hostEnd < 0)
        return badServer();
    if (const qsizetype colon = host.indexOf(u':', hostEnd); colon >= 0) {
        if (!isPort(host.mid(colon + 1)))
            return QStringLiteral("The port of the FTP site must be a number from 1 to %1.").arg(kMaxPort);
        host = host.left(colon);
    }
    if (host.isEmpty())
        return QStringLiteral("The FTP site names no server.");
    QUrl server;
    server.setHost(host.toString(), QUrl::StrictMode);
    if (!server.isValid() || server.host().isEmpty())
        return badServer();
    if (!QUrl(address, QUrl::StrictMode).isValid())
        return QStringLiteral("The FTP site is not a valid address.");
    return {};
}

// The full address of the remote file of a request UploadProblem accepts.
QString remoteAddress(const FtpUploadRequest &request)
{
    const QUrl site(siteAddress(request.site), QUrl::StrictMode);
    QString folder = site.path(QUrl::FullyEncoded);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString server = site.toString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery |
                                         QUrl::RemoveFragment | QUrl::FullyEncoded);
    const QByteArray name = QUrl::toPercentEncoding(request.remoteName, "/");
    return server + folder + QString::fromLatin1(name);
}

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

QString UploadProblem(const FtpUploadRequest &request)
{
    const std::pair<const QString &, const char *> boxes[] = {
        {request.site, "FTP site"}, {request.user, "user name"}, {request.password, "password"},
        {request.remoteName, "file name for the FTP site"}};
    for (const auto &[text, box] : boxes)
        if (holdsControl(text))
            return QStringLiteral("The %1 holds a control character, such as a line break or a tab, which the "
                                  "server could take as a command of its own. Type it again without one.")
                .arg(QLatin1String(box));
    if (const QString problem = siteProblem(siteAddress(request.site)); !problem.isEmpty())
        return problem;
    if (request.remoteName.trimmed().isEmpty())
        return QStringLiteral("Type the file name the table should have on the FTP site.");
    return {};
}

UploadResult UploadFile(const FtpUploadRequest &request)
{
    if (const QString problem = UploadProblem(request); !problem.isEmpty())
        return failure(problem);
    const QString address = remoteAddress(request);

    QFile file(request.localFile);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("The file %1 could not be read: %2").arg(request.localFile, file.errorString()));
    Upload upload{file.readAll(), 0};
    file.close();

    initialiseCurl();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return failure(QStringLiteral("The upload could not be started."));

    const QByteArray url = address.toUtf8();
    const QByteArray user = request.user.toUtf8();
    const QByteArray password = request.password.toUtf8();
    char error[CURL_ERROR_SIZE] = {};
    CURL *c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "ftp,ftps");
    if (!request.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &readBytes);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.bytes.size()));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kFtpConnectTimeout);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, kStallSeconds);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK)
        return {true, QString()};
    QString reason = QString::fromUtf8(error);
    if (reason.isEmpty())
        reason = QString::fromUtf8(curl_easy_strerror(code));
    return failure(QStringLiteral("The table was not uploaded: %1").arg(reason));
}

void StartUpload(const FtpUploadRequest &request, QObject *context,
                 std::function<void(const UploadResult &)> done)
{
    auto result = std::make_shared<UploadResult>();
    QThread *worker = QThread::create([request, result] { *result = UploadFile(request); });
    QObject::connect(worker, &QThread::finished, context, [result, done = std::move(done)] { done(*result); });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

} // namespace fixtora
