// colorpage.cpp - the lines of the HTML colour information page.
#include "core/palette/colorpage.h"

#include "core/files/fileio.h"

#include <string_view>
#include <utility>

namespace prismara {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlankFirstCell = "<td width=34%></td>";

std::string groupCell(std::string_view model)
{
    return "<td width=34%><font face=Tahoma size=2><b>" + std::string(model) + ":</b></font></td>";
}

std::string labelCell(std::string_view label)
{
    return "<td width=33%><font face=Tahoma size=2>" + std::string(label) + "</font></td>";
}

struct ValueRow
{
    std::string_view model; // the group heading, on the group's first row only
    std::string_view label;
    std::string ColorPageTexts::*value;
};

// The sixteen value rows, top to bottom.
constexpr ValueRow kRows[] = {
    {"RGB", "R", &ColorPageTexts::txtr}, {"", "G", &ColorPageTexts::txtg},
    {"", "B", &ColorPageTexts::txtb},    {"HSL", "H", &ColorPageTexts::txth},
    {"", "S", &ColorPageTexts::txts},    {"", "L", &ColorPageTexts::txtl},
    {"CMY", "C", &ColorPageTexts::txtc}, {"", "M", &ColorPageTexts::txtm},
    {"", "Y", &ColorPageTexts::txtY},    {"CMYK", "C", &ColorPageTexts::txtc1},
    {"", "M", &ColorPageTexts::txtm1},   {"", "Y", &ColorPageTexts::txtY1},
    {"", "K", &ColorPageTexts::txtK},    {"YCbCr", "Y", &ColorPageTexts::txtY2},
    {"", "Cb", &ColorPageTexts::txtCb},  {"", "Cr", &ColorPageTexts::txtCr},
};

class PageWriter
{
public:
    void line(std::string_view text)
    {
        out_ += text;
        out_ += kLineEnd;
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

} // namespace

std::string ColorPageHtml(const ColorPageTexts& texts)
{
    PageWriter page;
    page.line("<html>");
    page.line("<head>");
    page.line("<title>Color Info</title>");
    page.line("</head>");
    page.line("<body topmargin=0 leftmargin=0 marginwidth=0 marginheight=0>");
    page.line("<table border=0 cellpadding=0 cellspacing=0 width=100% height=100%>");
    page.line("<tr>");
    page.line("<td width=20% valign=top>");
    page.line("<table border=0 cellpadding=5 cellspacing=0 width=180>");
    page.line("<tr>");
    page.line("<td width=100% colspan=3>");
    page.line("<p align=center><b><font face=Tahoma size=3>Color Info</font></b></td>");
    page.line("</tr>");
    page.line("<tr>");
    page.line("<td width=100% colspan=3>");
    page.line("<p align=center><font face=Tahoma size=2><b>" + texts.txtHex + "</b></font></td>");
    page.line("</tr>");

    for (const ValueRow& row : kRows) {
        page.line("<tr>");
        page.line(row.model.empty() ? std::string(kBlankFirstCell) : groupCell(row.model));
        if (row.label == "K") {
            // The K label cell alone is spread over three lines.
            page.line("<td width=33%><font face=Tahoma size=2>K");
            page.line("</font>");
            page.line("</td>");
        } else {
            page.line(labelCell(row.label));
        }
        page.line("<td width=33%><font face=Tahoma size=2>" + texts.*row.value + "</font></td>");
        page.line("</tr>");
    }

    page.line("</table>");
    page.line("</td>");
    page.line("<td width=80% bgcolor=" + texts.txtHex + "></td>");
    page.line("</tr>");
    page.line("</table>");
    page.line("</body>");
    page.line("</html>");
    return page.take();
}

StoreResult SaveColorPage(const std::filesystem::path& file, const ColorPageTexts& texts)
{
    std::filesystem::path temp = file;
    temp += ".tmp";
    const FileResult written = ReplaceFile(file, temp, ColorPageHtml(texts));
    return written ? StoreResult::success() : StoreResult::notWritten(file.filename().string(), written.reason());
}

} // namespace prismara
