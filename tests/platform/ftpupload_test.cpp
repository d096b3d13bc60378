#include "platform/ftpupload.h"

#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fixtora {
namespace {

// A real FTP server on 127.0.0.1 serving one folder to one account. It picks a
// free port, prints it, and ends when the test closes its input (or after two
// minutes, should the test die).
const char *kServer = R"(
import logging, os, sys, threading
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.basicConfig(level=logging.ERROR)
root, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmw")
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0.1
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
threading.Timer(120, lambda: os._exit(0)).start()
server.serve_forever()
)";

class FtpServer {
public:
    FtpServer(const QString &root, const QString &user, const QString &password)
    {
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral("-c"), QString::fromUtf8(kServer), root, user, password});
        if (m_process.waitForReadyRead(15000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~FtpServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    int port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

// A port on 127.0.0.1 that nothing listens on.
int closedPort()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
    getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

QByteArray someBytes()
{
    QByteArray bytes = "<HTML>\r\n<p>table</p>\n\r";
    for (int i = 0; i < 70000; ++i)
        bytes.append(char(i * 7 % 256));
    return bytes;
}

class FtpUploadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid() && local.isValid());
        localFile = local.filePath(QStringLiteral("table.html"));
        test::writeAll(localFile, someBytes());
    }

    QTemporaryDir root, local;
    QString localFile;
};

TEST_F(FtpUploadTest, TheFileArrivesByteForByteUnderTheRemoteName)
{
    const QString password = QStringLiteral("p@ss:w/rd");
    FtpServer server(root.path(), QStringLiteral("league"), password);
    ASSERT_GT(server.port(), 0) << "the FTP server did not start";
    QDir(root.path()).mkdir(QStringLiteral("pages"));
    const QString host = QStringLiteral("127.0.0.1:%1").arg(server.port());
    const struct {
        QString site, remote, arrives;
    } cases[] = {
        {"ftp://" + host, "table.html", "table.html"},
        {"ftp://" + host + "/", "league table.html", "league table.html"},
        {host, "bare.html", "bare.html"},
        {"FTP://" + host + "/pages", "in folder.html", "pages/in folder.html"},
        {"ftp://" + host, "pages/nested.html", "pages/nested.html"},
    };
    for (const auto &c : cases) {
        const UploadResult result =
            UploadFile({c.site, QStringLiteral("league"), password, localFile, c.remote});
        EXPECT_TRUE(result.ok) << c.site.toStdString() << " " << result.message.toStdString();
        EXPECT_EQ(test::readAll(root.filePath(c.arrives)), someBytes()) << c.arrives.toStdString();
    }
}

TEST_F(FtpUploadTest, FailuresAreReportedWithoutThePassword)
{
    const QString password = QStringLiteral("Secret99");
    FtpServer server(root.path(), QStringLiteral("league"), password);
    ASSERT_GT(server.port(), 0) << "the FTP server did not start";
    const QString site = QStringLiteral("ftp://127.0.0.1:%1").arg(server.port());
    // A line break would end the login detail and start a command of its own.
    const QString command = QStringLiteral("\r\nDELE /victim.txt");
    test::writeAll(root.filePath(QStringLiteral("victim.txt")), "keep me");
    const struct {
        const char *label;
        FtpUploadRequest request;
        const char *says;
    } cases[] = {
        {"wrong password", {site, "league", "Wrong99", localFile, "t.html"}, "not uploaded"},
        {"command in the password", {site, "league", password + command, localFile, "t.html"}, "password"},
        {"command in the user name", {site, "league\r\nPASS " + password + command, password, localFile, "t.html"},
         "user name"},
        {"command in the file name", {site, "league", password, localFile, "t.html" + command}, "file name"},
        {"command in the site", {site + command, "league", password, localFile, "t.html"}, "FTP site"},
        {"closed port",
         {QStringLiteral("ftp://127.0.0.1:%1").arg(closedPort()), "league", password, localFile, "t.html"},
         "not uploaded"},
        {"file site", {"file:///tmp", "league", password, localFile, "t.html"}, "Only ftp://"},
        {"http site", {"http://127.0.0.1/", "league", password, localFile, "t.html"}, "Only ftp://"},
        {"no server", {"ftp:///folder", "league", password, localFile, "t.html"}, "no server"},
        {"no remote name", {site, "league", password, localFile, "  "}, "file name"},
        {"no local file", {site, "league", password, local.filePath("missing.html"), "t.html"}, "could not be read"},
    };
    for (const auto &c : cases) {
        const UploadResult result = UploadFile(c.request);
        EXPECT_FALSE(result.ok) << c.label;
        EXPECT_TRUE(result.message.contains(QLatin1String(c.says))) << c.label << ": " << result.message.toStdString();
        EXPECT_FALSE(result.message.contains(password)) << c.label;
        EXPECT_FALSE(result.message.contains(QLatin1String("Wrong99"))) << c.label;
    }
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("t.html"))));
    EXPECT_EQ(test::readAll(root.filePath(QStringLiteral("victim.txt"))), "keep me");
}

TEST(UploadProblem, ControlCharactersAndMalformedSitesHaveTheirOwnReason)
{
    const struct {
        QString site, user, password, remote;
        const char *says;  // empty: the request may be sent
    } rows[] = {
        {"ftp://ftp.club.org/league", "club", "p@ss:w/rd", "table 1.html", ""},
        {"  ftps://ftp.club.org:2121  ", "", "", "pages/table.html", ""},
        {"ftp://[::1]:21/", "club", "pw", "t.html", ""},
        {"ftp://club:pw@ftp.club.org", "club", "pw", "t.html", ""},
        {"ftp://ftp.club.org", "club", QString("pw") + QChar(0x85), "t.html", "password"},
        {"ftp://ftp.club.org", "club", "pw", "t\x7f.html", "file name"},
        {"ftp://ftp.club.org:99999", "club", "pw", "t.html", "port"},
        {"ftp://ftp.club.org:0/league", "club", "pw", "t.html", "port"},
        {"ftp://ftp club.org", "club", "pw", "t.html", "server name"},
        {"ftp://ftp.club.org:21:22", "club", "pw", "t.html", "port"},
        {"ftp://[::1", "club", "pw", "t.html", "server name"},
    };
    for (const auto &row : rows) {
        const QString problem = UploadProblem({row.site, row.user, row.password, QString(), row.remote});
        if (*row.says == 0)
            EXPECT_EQ(problem, "") << row.site.toStdString();
        else
            EXPECT_TRUE(problem.contains(QLatin1String(row.says))) << row.site.toStdString() << ": " << problem.toStdString();
    }
}

} // namespace
} // namespace fixtora
