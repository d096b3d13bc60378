#pragma once
// Sending a local file to an FTP site: the put of the table page.
//
// The site is an "ftp://" or "ftps://" address, optionally with a port and a
// folder ("ftp://ftp.club.org/league"); a site typed without a scheme is taken
// as "ftp://". Any other scheme is refused. The user name and password travel
// as login details, never inside the address (a user part typed into the
// site is dropped), and no message ever repeats the password. The file goes
// as binary, under the remote name, into the site's folder. Nothing is sent
// while UploadProblem has an objection.

#include <QObject>
#include <QString>

#include <functional>

namespace fixtora {

struct FtpUploadRequest {
    QString site;
    QString user;        // empty: anonymous
    QString password;
    QString localFile;
    QString remoteName;  // may contain blanks and "/" for a folder below the site's
};

struct UploadResult {
    bool ok = false;
    QString message;     // what went wrong, for the user; empty on success
};

// Why the request may not be sent, or the empty text when it may. A site,
// user name, password or remote name holding a control character (a line
// break would end an FTP command and start another) is refused, as is a site
// that is not an ftp:// or ftps:// address of a server, with the port, when
// one is given, 1 to 65535. The message names the box, never its contents'
// secrets.
QString UploadProblem(const FtpUploadRequest &request);

// How long a connection may take to open, in seconds.
inline constexpr long kFtpConnectTimeout = 20;

// Sends the file and waits for the transfer to end.
[[nodiscard]] UploadResult UploadFile(const FtpUploadRequest &request);

// Sends the file on a worker thread and hands the result to done on the
// thread of context once the transfer has ended; done is not called when
// context is gone by then.
void StartUpload(const FtpUploadRequest &request, QObject *context,
                 std::function<void(const UploadResult &)> done);

} // namespace fixtora
