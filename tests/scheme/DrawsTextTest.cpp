// Draws files as Windows Notepad saves them (UTF-16 LE with a mark, or the ANSI code page
// of Chinese Windows, GB18030, both with CR LF) read as the UTF-8 file does, on every
// platform; labels and headers included, not only the digits.

#include "scheme/DrawsText.h"
#include "scheme/Gb18030.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace shrink4;

TEST(DrawsText, NotepadFilesReadAsTheUtf8File)
{
    const QString text = QStringLiteral("期号 开奖号码\n第2024009期 1234\n2024010 0073\n");
    QString windowsText = text;
    windowsText.replace(u'\n', QStringLiteral("\r\n"));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QStringEncoder utf8Marked(QStringConverter::Utf8, QStringEncoder::Flag::WriteBom);
    const auto ansi = toGb18030(windowsText);
    ASSERT_TRUE(ansi);
    EXPECT_EQ(ansi->size(), 47); // two bytes a Chinese character: the text was really converted
    const QByteArray saved[] = {utf16.encode(windowsText), utf8Marked.encode(windowsText), *ansi};
    for (const QByteArray& bytes : saved)
        EXPECT_EQ(decodeDrawsText(bytes).toStdString(), text.toStdString()) << bytes.toHex().constData();
    EXPECT_EQ(fromGb18030(*ansi), windowsText);
}
