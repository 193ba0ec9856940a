#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "printouts/printouts.h"
#include "printouts/template_catalogue.h"
#include "printouts/template_error.h"
#include "printouts/template_info.h"
#include "storage/options_file.h"
#include "storage/recent_templates.h"
#include "support/stub_tag_lookup.h"
#include "support/ward_fixture.h"

using namespace tabrel;
using namespace tabrel::test;
namespace fs = std::filesystem;

namespace {

struct TemplateFiles : ::testing::Test {
    Ward ward{2025, 6};
    Locale locale;
    GenerationContext ctx{ward.roster, ward.options, locale, system_clock()};
    TempDir dir;
    std::vector<fs::path> opened;
    Printouts printouts{dir / "wydruki", dir.path(),
                        [this](const fs::path& p) { opened.push_back(p); }};

    TemplateFiles() {
        ward.worker().nazwisko = "Nowak";
        ctx.worker_list = {0};
        ctx.selected_worker = 0;
    }

    fs::path write(const std::string& name, const std::string& bytes) {
        spit(dir / name, bytes);
        return dir / name;
    }
};

TEST_F(TemplateFiles, WithoutHeaderTheWholeFileIsBodyOfADefaultDocument) {
    const fs::path path = write("plan.wzr", "Dzie\xF1 @_day_no\r\n");
    const TemplateInfo info = info_plik(path);
    EXPECT_EQ(info.title, "plan.wzr");
    EXPECT_EQ(info.extension, "rtf");
    EXPECT_EQ(info.file_name, "document");
    EXPECT_EQ(info.font_name, "MS Sans Serif");
    EXPECT_EQ(info.font_size, 8);
    EXPECT_EQ(info.header_lines, 0);

    const GenerationResult result = printouts.generuj(path, ctx);
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.output, dir / "wydruki" / "document.rtf");
    EXPECT_EQ(slurp(result.output),
              "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 MS Sans "
              "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 Dzie\\'f1 {\\b 1}\\par\r\n}\r\n");
    EXPECT_EQ(opened, std::vector<fs::path>{result.output});
}

TEST_F(TemplateFiles, HeaderFieldsCommentsAndValuesOverSeveralLines) {
    const fs::path path =
        write("grafik.wzr",
              "Opis przed naglowkiem\r\n<HEADER>\r\n<TITLE>Grafik\r\n// <TITLE>nie</TITLE>\r\n"
              " pracy</TITLE>\r\n<TYPE>HTML</TYPE>\r\n<FONT_NAME> Arial </FONT_NAME>\r\n"
              "<FONT_SIZE>300</FONT_SIZE>\r\n<FILE_NAME>Grafik: @_worker_surname</FILE_NAME>\r\n"
              "<AUTHOR>ignored</AUTHOR>\r\n</HEADER>\r\n<p>@_worker_surname</p>\r\n");
    const TemplateInfo info = info_plik(path, &ctx);
    EXPECT_EQ(info.title, "Grafik pracy");
    EXPECT_EQ(info.extension, "htm");
    EXPECT_EQ(info.font_name, " Arial ");
    EXPECT_EQ(info.font_size, 300 & 0xFF);
    EXPECT_EQ(info.file_name, "Grafik_ Nowak");
    EXPECT_EQ(info.header_lines, 11);
    EXPECT_EQ(info_plik(path).file_name, "Grafik_ @_worker_surname");

    const GenerationResult result = printouts.generuj(path, ctx);
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.output, dir / "wydruki" / "Grafik_ Nowak.htm");
    EXPECT_EQ(slurp(result.output), "<p>Nowak</p>\r\n");
}

TEST_F(TemplateFiles, HeaderEndingOnTheLastLineIsBodyToo) {
    const std::string text = "<HEADER>\r\n<TITLE>T</TITLE>\r\n<TYPE>Text</TYPE>\r\n</HEADER>";
    const fs::path path = write("t.wzr", text);
    const TemplateInfo info = info_plik(path);
    EXPECT_EQ(info.header_lines, 0);
    EXPECT_EQ(info.title, "T");
    EXPECT_EQ(info.extension, "tex");
    const GenerationResult result = printouts.generuj(path, ctx);
    EXPECT_EQ(result.output, dir / "wydruki" / "document.tex");
    // A text body keeps the empty rest of a line after its closing tag.
    EXPECT_EQ(slurp(result.output),
              "<HEADER>\r\n<TITLE>T</TITLE>\r\n\r\n<TYPE>Text</TYPE>\r\n\r\n</HEADER>\r\n");
}

TEST_F(TemplateFiles, BadFontSizeStopsTheGeneration) {
    const fs::path path =
        write("t.wzr", "<HEADER>\r\n<FONT_SIZE>12pt</FONT_SIZE>\r\n</HEADER>\r\nx\r\n");
    EXPECT_THROW(info_plik(path), TemplateError);
    const GenerationResult result = printouts.generuj(path, ctx);
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.error.find("12pt"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "wydruki"));
    EXPECT_TRUE(opened.empty());
}

TEST_F(TemplateFiles, OutputNamesNeverLeaveTheOutputFolder) {
    const auto output = [&](const std::string& file_name, const std::string& type) {
        const fs::path path =
            write("t.wzr", "<HEADER>\r\n<FILE_NAME>" + file_name + "</FILE_NAME>\r\n<TYPE>" + type +
                               "</TYPE>\r\n</HEADER>\r\nx\r\n");
        const GenerationResult result = printouts.gen_wypelnij_wzorzec(path, ctx, false);
        EXPECT_TRUE(result.written) << result.error;
        return result.output;
    };
    EXPECT_EQ(output("../../etc/x", "txt"), dir / "wydruki" / ".._.._etc_x.txt");
    EXPECT_EQ(output("a\\..\\b", "/.."), dir / "wydruki" / "a_.._b._..");
    EXPECT_EQ(output(".", ""), dir / "wydruki" / "__");
    ctx.roster.workers[0].nazwisko = "x/../../y";
    EXPECT_EQ(output("@_worker_surname", "txt"), dir / "wydruki" / "x_.._.._y.txt");
    ctx.roster.workers[0].email.clear();
    EXPECT_EQ(output("@_worker_email", "txt"), dir / "wydruki" / "t.txt");
    EXPECT_EQ(output(" ", "txt"), dir / "wydruki" / "t.txt");
}

TEST_F(TemplateFiles, GeneratedFilesAreListedOnceAndDeletedOnRequest) {
    const fs::path a = write("a.wzr", "<HEADER>\r\n<TYPE>txt</TYPE>\r\n</HEADER>\r\nA\r\n");
    const fs::path b = write("b.wzr", "<HEADER>\r\n<TYPE>txt</TYPE>\r\n</HEADER>\r\nB\r\n");
    const fs::path c = write("c.wzr", "<HEADER>\r\n<TYPE>htm</TYPE>\r\n</HEADER>\r\nC\r\n");
    printouts.generuj(a, ctx);
    printouts.generuj(c, ctx);
    printouts.generuj(b, ctx);
    EXPECT_EQ(slurp(dir / "wydruki" / "document.txt"), "B\r\n");  // b overwrote a
    EXPECT_EQ(printouts.generated(), (std::vector<fs::path>{dir / "wydruki" / "document.htm",
                                                            dir / "wydruki" / "document.txt"}));
    EXPECT_EQ(opened.size(), 3u);

    const auto recent = recent_templates(load_options_file(dir.path()), "Templates");
    EXPECT_EQ(recent[0], b.string());
    EXPECT_EQ(recent[1], c.string());
    EXPECT_EQ(recent[2], a.string());

    printouts.delete_generated();
    EXPECT_FALSE(fs::exists(dir / "wydruki" / "document.txt"));
    EXPECT_FALSE(fs::exists(dir / "wydruki" / "document.htm"));
    EXPECT_TRUE(printouts.generated().empty());
}

TEST_F(TemplateFiles, MissingTemplateWritesNothingButIsRemembered) {
    const GenerationResult result = printouts.generuj(dir / "gone.wzr", ctx);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.error.empty());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(info_plik(dir / "gone.wzr").title, "");
    EXPECT_EQ(recent_templates(load_options_file(dir.path()), "Templates")[0],
              (dir / "gone.wzr").string());
}

TEST_F(TemplateFiles, OutputKindReachesTheLookupButFileNamesAreNoPage) {
    const fs::path path = write(
        "t.wzr",
        "<HEADER>\r\n<TYPE>htm</TYPE>\r\n<FILE_NAME>@_type</FILE_NAME>\r\n</HEADER>\r\n@_type");
    const GenerationResult result = printouts.generuj(path, ctx);
    EXPECT_EQ(result.output, dir / "wydruki" / "txt.htm");
    EXPECT_EQ(slurp(result.output), "htm\r\n");
}

TEST_F(TemplateFiles, ValueErrorEndsTheGenerationWithoutWriting) {
    const GenerationResult result =
        printouts.generuj(write("t.wzr", "a @_day_no\r\nb @_boom\r\n"), ctx);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "no value");
    EXPECT_FALSE(fs::exists(dir / "wydruki" / "document.rtf"));
    EXPECT_TRUE(opened.empty());
}

TEST_F(TemplateFiles, UnwritableOutputIsReportedAndNotListed) {
    spit(dir / "wydruki", "a file where the folder should be");
    const GenerationResult result = printouts.generuj(write("a.wzr", "x"), ctx);
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.error.find("document.rtf"), std::string::npos);
    EXPECT_TRUE(printouts.generated().empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(TemplateFiles, CatalogueListsTemplatesInNameOrderAndSearchesTitles) {
    write("b.wzr", cp("<HEADER>\r\n<TITLE>Grafik środowy</TITLE>\r\n</HEADER>\r\nx\r\n"));
    write("a.WZR", "x");
    write("c.txt", "x");
    fs::create_directory(dir / "sub.wzr");
    TemplateCatalogue catalogue;
    ZnajdzPliki(dir.path(), "*.wzr", catalogue);
    ASSERT_EQ(catalogue.size(), 2u);
    EXPECT_EQ(catalogue[0].title, "a.WZR");
    EXPECT_EQ(catalogue[1].title, cp("Grafik środowy"));
    EXPECT_EQ(search_templates(catalogue, cp("ŚRO")), std::vector<size_t>{1});
    EXPECT_EQ(search_templates(catalogue, ".WZR"), std::vector<size_t>{0});
    EXPECT_EQ(search_templates(catalogue, ""), (std::vector<size_t>{0, 1}));
    EXPECT_TRUE(search_templates(catalogue, "nic").empty());
}

}  // namespace

TEST(OutputTypes, NamesReadBackAndOtherExtensionsArePlainText) {
    for (OutputType type : {OutputType::Rtf, OutputType::Html, OutputType::Text})
        EXPECT_EQ(output_type(output_type_name(type)), type);
    for (const char* other : {"", "tex", "htl", "rt"})
        EXPECT_EQ(output_type(other), OutputType::Text);
}
