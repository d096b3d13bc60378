#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace fixtora {

QString HtmlEscape(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QStringList HtmlPageStart(const QString &title)
{
    return {QStringLiteral("<HTML>"),
            QStringLiteral("<HEAD>"),
            QStringLiteral("<meta charset=\"utf-8\">"),
            QStringLiteral("<TITLE>") + HtmlEscape(title) + QStringLiteral("</TITLE>"),
            QStringLiteral("</HEAD>"),
            QString(),
            QStringLiteral("<body bgcolor=#FFFFFF text=#000000>")};
}

QStringList HtmlPageEnd()
{
    return {QStringLiteral("</body>"), QStringLiteral("</HTML>")};
}

QString HtmlCreatedNotice(const QString &path)
{
    return QStringLiteral("HTML file created:\n") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

TextFileResult WriteTextLines(const QString &path, const QStringList &lines)
{
    auto failed = [&path](const QString &why) {
        return TextFileResult{false, QStringLiteral("Could not write \"%1\": %2").arg(path, why)};
    };
    if (path.trimmed().isEmpty())
        return TextFileResult{false, QStringLiteral("No file name was given.")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size())
        return failed(file.errorString());
    if (!file.commit())
        return failed(file.errorString());
    return TextFileResult{true, {}};
}

} // namespace fixtora
