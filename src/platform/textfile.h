#pragma once
// Text files the program writes for the user, such as the HTML exports of the
// fixtures and of the league table.
//
//     QStringList lines{QStringLiteral("<HTML>"), ...};
//     lines.append("<td>" + HtmlEscape(name) + "</td>");
//     const TextFileResult written = WriteTextLines(path, lines);
//     if (!written.ok)
//         SystemMessage(written.message);

#include <QString>
#include <QStringList>

namespace fixtora {

// text with "&", "<", ">" and '"' written as HTML character references, so a
// name shows as typed and never becomes markup.
QString HtmlEscape(const QString &text);

// The first lines of an exported page, up to its opened body: declared UTF-8
// (as WriteTextLines writes) and titled with title, escaped.
QStringList HtmlPageStart(const QString &title);
// The lines that close the body and the page HtmlPageStart opened.
QStringList HtmlPageEnd();

// The notice that a page was written, naming the file in full.
QString HtmlCreatedNotice(const QString &path);

struct TextFileResult {
    bool ok = false;
    QString message;  // when it failed: which file and why
};

// Writes every line followed by CR LF, in UTF-8, creating or replacing the
// file at path. Whole or not at all: on failure the file that was there is
// left as it was and no partial file is left behind.
[[nodiscard]] TextFileResult WriteTextLines(const QString &path, const QStringList &lines);

} // namespace fixtora
