// A real browser reads what Prismara writes for the web: headless Chromium loads an exported CSS
// palette (its custom properties applied to sample elements) and the Web Links Color scheme's
// body tag, inline CSS and external CSS, and a script writes the computed colours into the page,
// which Chromium prints. Skipped, saying so, when Chromium is not installed.
#include "core/formats/paletteformat.h"
#include "core/scheme/schemecode.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

using namespace prismara;
using prismara::test::TempDir;

namespace {

std::string chromium()
{
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin";
    while (!dirs.empty()) {
        const std::size_t colon = std::min(dirs.find(':'), dirs.size());
        const std::filesystem::path candidate = std::filesystem::path(dirs.substr(0, colon)) / "chromium";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        dirs.remove_prefix(std::min(colon + 1, dirs.size()));
    }
    return {};
}

// The lines "key=value" a page's script wrote into <pre id="result">, as Chromium renders it.
std::map<std::string, std::string> rendered(const TempDir& dir, const std::string& page)
{
    const std::string profile = (dir / ("profile-" + page)).string();
    std::filesystem::create_directory(profile);
    const std::string command = "timeout 60 '" + chromium() +
                                "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                                "--disable-background-networking --disable-component-update --disable-sync "
                                "--allow-file-access-from-files "
                                "--user-data-dir='" + profile + "' --dump-dom 'file://" + (dir / page).string() +
                                "' 2>/dev/null";
    std::string dom;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            dom.append(buffer, n);
        ::pclose(pipe);
    }
    std::map<std::string, std::string> values;
    const std::string open = "<pre id=\"result\">";
    const std::size_t start = dom.find(open);
    const std::size_t end = dom.find("</pre>", start);
    if (start == std::string::npos || end == std::string::npos)
        return {{"<no result>", dom.substr(0, 300)}};
    for (const std::string& line : SplitLines(dom.substr(start + open.size(), end - start - open.size()))) {
        const std::size_t eq = line.find('=');
        values[line.substr(0, eq)] = eq == std::string::npos ? "" : line.substr(eq + 1);
    }
    return values;
}

std::string cssRgb(ColorValue color)
{
    return "rgb(" + std::to_string(GetRed(color)) + ", " + std::to_string(GetGreen(color)) + ", " +
           std::to_string(GetBlue(color)) + ")";
}

// Reports the computed colours of the body and the link, and the colour of every a:... rule the
// browser parsed (visited, active and hover cannot be put on without a user).
const char* const kSchemeScript = R"(<a id="link" href="https://example.invalid/never">a link</a>
<pre id="result"></pre><script>
const out = [];
const body = getComputedStyle(document.body);
out.push('body.background=' + body.backgroundColor, 'body.color=' + body.color,
         'a:link=' + getComputedStyle(document.getElementById('link')).color);
for (const sheet of document.styleSheets)
  for (const rule of sheet.cssRules)
    if (rule.selectorText && rule.selectorText !== 'a:link' && rule.selectorText.startsWith('a:'))
      out.push(rule.selectorText + '=' + rule.style.color);
document.getElementById('result').textContent = out.join('\n');
</script></body></html>)";

class BrowserRender : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (chromium().empty())
            GTEST_SKIP() << "chromium is not installed (scripts/deps installs it): the browser checks were not run";
    }
};

} // namespace

TEST_F(BrowserRender, ExportedCssCustomPropertiesColourTheirElements)
{
    const PaletteReadResult brand = ReadPalette("brand.gpl", *ReadFile(std::filesystem::path(PRISMARA_TEST_DATA_DIR) /
                                                                       "formats" / "brand.gpl"));
    ASSERT_TRUE(brand.ok()) << brand.error;
    TempDir dir;
    dir.write("brand.css", WritePalette(*FindPaletteFormat("css"), brand.palette));
    const std::vector<std::string> names = ExportNames(brand.palette, ExportNaming::Identifier);
    std::string page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\" "
                       "href=\"brand.css\"></head><body>\n";
    for (const std::string& name : names)
        page += "<div class=\"sample\" data-name=\"" + name + "\" style=\"background-color: var(--" + name + ")\">" +
                name + "</div>\n";
    page += R"(<pre id="result"></pre><script>
document.getElementById('result').textContent = [...document.querySelectorAll('.sample')]
  .map(e => e.dataset.name + '=' + getComputedStyle(e).backgroundColor).join('\n');
</script></body></html>)";
    dir.write("palette.html", page);

    const auto colours = rendered(dir, "palette.html");
    ASSERT_EQ(colours.size(), names.size()) << colours.begin()->first << ": " << colours.begin()->second;
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(colours.at(names[i]), cssRgb(brand.palette.entries[i].color)) << names[i];
}

TEST_F(BrowserRender, WebSchemeCodeColoursThePage)
{
    const WebLinkColors colors{MakeColor(0xF5, 0xF0, 0xE1), MakeColor(0x20, 0x30, 0x40), MakeColor(0x1E, 0x6F, 0xD9),
                               MakeColor(0x80, 0x00, 0x80), MakeColor(0xFF, 0x00, 0x00), MakeColor(0x00, 0x99, 0x33)};
    const SchemeCode code = SchemeCode::build(colors);
    TempDir dir;
    dir.write("scheme.css", code.externalCss);
    dir.write("inline.html", "<html><head><meta charset=\"utf-8\">" + code.inlineCss + "</head>" + code.html + kSchemeScript);
    dir.write("external.html", "<html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\" href=\"scheme.css\"></head>" +
                                   code.html + kSchemeScript);
    // The body tag alone: the browser takes the colours from its attributes.
    dir.write("body.html", "<html><head><meta charset=\"utf-8\"></head>" + code.html + kSchemeScript);

    const std::map<std::string, std::string> fromCss = {
        {"body.background", cssRgb(colors.background)}, {"body.color", cssRgb(colors.text)},
        {"a:link", cssRgb(colors.normalLink)},          {"a:visited", cssRgb(colors.visitedLink)},
        {"a:active", cssRgb(colors.activeLink)},        {"a:hover", cssRgb(colors.hoverLink)}};
    EXPECT_EQ(rendered(dir, "inline.html"), fromCss) << "inline CSS";
    EXPECT_EQ(rendered(dir, "external.html"), fromCss) << "external CSS";
    const std::map<std::string, std::string> fromBody = {{"body.background", cssRgb(colors.background)},
                                                         {"body.color", cssRgb(colors.text)},
                                                         {"a:link", cssRgb(colors.normalLink)}};
    EXPECT_EQ(rendered(dir, "body.html"), fromBody) << "body tag";
}
