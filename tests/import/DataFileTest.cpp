#include "import/DataFile.h"
#include "import/ImportError.h"
#include "tests/support/TestFolder.h"

#include "tests/import/ImportTestKit.h"

#include <gtest/gtest.h>

using namespace mv;

TEST(DataFile, LinesEndWithCrLfLfOrCr)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a", {"a"}},
        {"", {}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb\n", {"a", "", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataFile::splitLines(c.bytes, false), c.lines) << c.bytes.toStdString();
}

TEST(DataFile, AnsiFileIsReadAsWindows1254)
{
    const QStringList lines =
        DataFile::readLines(test::fixturePath(QStringLiteral("import/fixed-cp1254.txt")), false, QStringLiteral("x"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.at(0), QStringLiteral("FİYAT LİSTESİ  MAĞAZA 1  07.03.2024"));
    EXPECT_TRUE(lines.at(4).contains(QStringLiteral("İNCİR ıİşŞğĞüÜöÖçÇ")));
    EXPECT_EQ(lines.at(3), QStringLiteral("123456789"));
    // Bytes the code page leaves unused cannot be stored either.
    EXPECT_EQ(DataFile::splitLines("a\x81" "b", false), QStringList({"a?b"}));
}

TEST(DataFile, Utf8FileIsConvertedAndUnknownCharactersBecomeQuestionMarks)
{
    const QStringList lines =
        DataFile::readLines(test::fixturePath(QStringLiteral("import/semicolon-utf8.txt")), true, QStringLiteral("x"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QStringLiteral("101;Çiğ Köfte ?;345;12,50;7"));
    EXPECT_EQ(lines.at(1), QStringLiteral("102;;Şalgam ?;346;3,5;10")) << "an emoji is one character";
    EXPECT_EQ(lines.at(3), QStringLiteral("105;Ali'nin Helvası;350;5;1"));

    // A byte order mark is no content; bytes that are no UTF-8 become "?".
    EXPECT_EQ(DataFile::splitLines("\xEF\xBB\xBF" "1;\xC5\x9F\r\n2;\xFF", true), QStringList({"1;ş", "2;?"}));
}

TEST(DataFile, MissingFileRaisesWithItsName)
{
    test::TestFolder folder(test::TestFolder::Empty);
    try {
        DataFile::readLines(folder.file(QStringLiteral("yok.txt")), false, QStringLiteral("C:\\Veri\\yok.txt"));
        FAIL() << "no error";
    } catch (const ImportError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Dış veri dosyası bulunamadı: C:\\Veri\\yok.txt"));
    }
}
