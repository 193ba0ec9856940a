#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "i18n/cp1250.h"
#include "printouts/rtf_writer.h"

using namespace tabrel;

namespace {

// A small reader of the rich text we write, as a word processor would take it: the visible
// text with line breaks for paragraphs, bold runs marked with [ and ].
class RtfReader {
public:
    explicit RtfReader(std::string rtf) : rtf_(std::move(rtf)) {}

    std::string text() {
        bool bold = false;
        std::vector<bool> saved;
        int skip_depth = -1;
        for (i_ = 0; i_ < rtf_.size(); ++i_) {
            const char c = rtf_[i_];
            if (c == '{') {
                saved.push_back(bold);
            } else if (c == '}') {
                if (skip_depth == static_cast<int>(saved.size())) skip_depth = -1;
                set_bold(saved.back(), bold);
                saved.pop_back();
            } else if (c == '\\') {
                const std::string word = control();
                if (word == "fonttbl") skip_depth = static_cast<int>(saved.size());
                if (skip_depth >= 0) continue;
                if (word == "b") set_bold(true, bold);
                if (word == "b0") set_bold(false, bold);
                if (word == "par") put('\n', bold);
                if (word == "tab") put('\t', bold);
                if (word.size() == 1 && !std::isalpha(static_cast<unsigned char>(word[0])))
                    put(word[0], bold);
            } else if (c != '\r' && c != '\n' && skip_depth < 0) {
                put(c, bold);
            }
        }
        return out_;
    }

private:
    // The control word after a backslash (a hex escape gives its byte); i_ at its last char.
    std::string control() {
        ++i_;
        if (rtf_[i_] == '\'') {
            const std::string hex = rtf_.substr(i_ + 1, 2);
            i_ += 2;
            return std::string(1, static_cast<char>(std::stoi(hex, nullptr, 16)));
        }
        if (!std::isalpha(static_cast<unsigned char>(rtf_[i_]))) return std::string(1, rtf_[i_]);
        std::string word;
        while (std::isalnum(static_cast<unsigned char>(rtf_[i_])) || rtf_[i_] == '-')
            word += rtf_[i_++];
        if (rtf_[i_] != ' ') --i_;
        return word;
    }

    void set_bold(bool on, bool& bold) {
        if (on != bold) out_ += on ? '[' : ']';
        bold = on;
    }

    void put(char c, bool bold) {
        if (bold && c == '\n') {
            out_ += "]\n[";
            return;
        }
        out_ += c;
    }

    std::string rtf_;
    size_t i_ = 0;
    std::string out_;
};

std::vector<FilledLine> sample_lines() {
    return {
        {{{cp("Dyżur: "), false}, {"Kowalski", true}, {" {x}\\", false}}},
        {{{"a\tb", false}, {"", true}, {cp("Łoś\r\nx|eol|y"), true}}},
    };
}

TEST(RtfWriter, DocumentIsByteExact) {
    EXPECT_EQ(rtf_document(sample_lines(), "Arial", 10),
              "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}}\r\n"
              "\\viewkind4\\uc1\\pard\\f0\\fs20 Dy\\'bfur: {\\b Kowalski} \\{x\\}\\\\\\par\r\n"
              "a\\tab b{\\b }{\\b \\'a3o\\'9c\\par\r\nx\\par\r\ny}\\par\r\n"
              "}\r\n");
}

TEST(RtfWriter, ReadsBackAsTheTextWithValuesInBold) {
    EXPECT_EQ(RtfReader(rtf_document(sample_lines(), "Times {New}; Roman", 8)).text(),
              cp("Dyżur: [Kowalski] {x}\\\na\tb[][Łoś]\n[x]\n[y]\n"));
}

TEST(RtfWriter, FontTableKeepsTheNameReadable) {
    const std::string rtf = rtf_document({}, cp("Czcionka {ż};"), 255);
    EXPECT_NE(rtf.find("\\fcharset238 Czcionka \\{\\'bf\\};}}"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs510 "), std::string::npos);
}

}  // namespace
