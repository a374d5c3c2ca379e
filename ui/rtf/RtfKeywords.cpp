#include "ui/rtf/RtfKeywords.h"

#include <string_view>
#include <unordered_map>

namespace zb::ui::rtf {

namespace {

using Table = std::unordered_map<std::string_view, KeywordInfo>;

void AddFormatting(Table& t) {
  t["plain"] = {Keyword::Plain};
  t["fs"] = {Keyword::FontSize};
  t["b"] = {Keyword::Bold};
  t["i"] = {Keyword::Italic};
  t["ulnone"] = {Keyword::UnderlineNone};
  // Every underline style is shown as a single underline.
  for (std::string_view w :
       {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
        "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
    t[w] = {Keyword::Underline};
  }
  t["strike"] = {Keyword::Strike};
  t["striked"] = {Keyword::Strike};
  t["cf"] = {Keyword::Color};
  t["pard"] = {Keyword::ParagraphDefault};
  t["ql"] = {Keyword::AlignLeft};
  t["qc"] = {Keyword::AlignCenter};
  t["qr"] = {Keyword::AlignRight};
  t["qj"] = {Keyword::AlignJustify};
  t["qd"] = {Keyword::AlignJustify};
}

void AddBreaksAndCharacters(Table& t) {
  t["par"] = {Keyword::Paragraph};
  t["sect"] = {Keyword::PageOrSection};
  t["page"] = {Keyword::PageOrSection};
  t["line"] = {Keyword::Line};
  t["tab"] = {Keyword::Tab};
  t["cell"] = {Keyword::Cell};
  t["nestcell"] = {Keyword::Cell};
  t["row"] = {Keyword::Row};
  t["nestrow"] = {Keyword::Row};
  const struct {
    std::string_view word;
    char16_t character;
  } characters[] = {
      {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
      {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
      {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},       {"zwnj", u'\u200C'},
      {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'},   {"zwbo", u'\u200B'},
  };
  for (const auto& c : characters) t[c.word] = {Keyword::Character, c.character};
}

void AddDocumentAndTables(Table& t) {
  t["ansi"] = {Keyword::Ansi};
  t["mac"] = {Keyword::Mac};
  t["pc"] = {Keyword::Pc};
  t["pca"] = {Keyword::Pca};
  t["ansicpg"] = {Keyword::AnsiCodePage};
  t["deff"] = {Keyword::DefaultFont};
  t["uc"] = {Keyword::UnicodeSkipCount};
  t["u"] = {Keyword::Unicode};
  t["fonttbl"] = {Keyword::FontTable};
  t["colortbl"] = {Keyword::ColorTable};
  t["upr"] = {Keyword::UnicodeAlternative};
  t["ud"] = {Keyword::UnicodeVersion};
  t["f"] = {Keyword::Font};
  t["fcharset"] = {Keyword::FontCharset};
  t["cpg"] = {Keyword::FontCodePage};
  t["red"] = {Keyword::Red};
  t["green"] = {Keyword::Green};
  t["blue"] = {Keyword::Blue};
}

// Groups whose content is not part of the visible text. Writers mark most
// such groups with \*, which the reader skips anyway; these are the ones
// that commonly come without it. A field shows its result (\fldrslt), not
// its instruction. The list stays packed, one line of words after another.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
    "footerr", "footerf", "fldinst", "footnote", "annotation", "object", "objdata", "objclass",
    "objname", "datafield", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pn",
    "pnseclvl", "pntxta", "pntxtb", "xe", "tc", "txe", "rxe", "nonshppict", "shpinst", "sp",
    "private", "themedata", "colorschememapping", "latentstyles", "datastore", "fontemb",
    "fontfile", "falt", "panose", "bkmkstart", "bkmkend", "template", "docvar", "userprops",
    "generator", "pgdsctbl", "formfield", "atnauthor", "atnid", "atndate", "atnref", "comment",
    "title", "subject", "author", "operator", "keywords", "doccomm", "company", "manager",
    "category", "creatim", "revtim", "printim", "buptim", "hlinkbase", "listpicture", "blipuid",
    "mmathPr", "xmlnstbl", "wgrffmtfilter"};
// clang-format on

void AddSkippedDestinations(Table& t) {
  for (std::string_view w : kSkippedDestinations) t[w] = {Keyword::SkippedDestination};
}

const Table& Keywords() {
  static const Table table = [] {
    Table t;
    AddFormatting(t);
    AddBreaksAndCharacters(t);
    AddDocumentAndTables(t);
    AddSkippedDestinations(t);
    return t;
  }();
  return table;
}

}  // namespace

KeywordInfo LookUpKeyword(std::string_view word) {
  const Table& table = Keywords();
  const auto it = table.find(word);
  return it == table.end() ? KeywordInfo{} : it->second;
}

char16_t SymbolCharacter(char symbol) {
  switch (symbol) {
    case '\\':
      return u'\\';
    case '{':
      return u'{';
    case '}':
      return u'}';
    case '~':
      return u'\u00A0';  // non-breaking space
    case '-':
      return u'\u00AD';  // optional hyphen
    case '_':
      return u'\u2011';  // non-breaking hyphen
    default:
      return 0;
  }
}

}  // namespace zb::ui::rtf
