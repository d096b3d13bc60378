#pragma once
// Reading and writing whole files in tests, and the text of a printed PDF.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace fixtora::test {

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The text of a PDF file as pdftotext reads it; pages end with a form feed.
inline QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

inline int pdfPages(const QString &path)
{
    return static_cast<int>(pdfText(path).count(QLatin1Char('\f')));
}

} // namespace fixtora::test
