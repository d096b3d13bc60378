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

// The full address of the remote file, or the empty text when the site is
// not one this upload may use.
QString remoteAddress(const FtpUploadRequest &request, QString *problem)
{
    QString text = request.site.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("ftp://"));
    const QUrl site(text, QUrl::StrictMode);
    const QString scheme = site.scheme().toLower();
    if (!site.isValid() || (scheme != QLatin1String("ftp") && scheme != QLatin1String("ftps"))) {
        *problem = QStringLiteral("Only ftp:// and ftps:// sites can be used.");
        return QString();
    }
    if (site.host().isEmpty()) {
        *problem = QStringLiteral("The FTP site names no server.");
        return QString();
    }
    if (request.remoteName.trimmed().isEmpty()) {
        *problem = QStringLiteral("Type the file name the table should have on the FTP site.");
        return QString();
    }
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

UploadResult UploadFile(const FtpUploadRequest &request)
{
    QString problem;
    const QString address = remoteAddress(request, &problem);
    if (address.isEmpty())
        return failure(problem);

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
