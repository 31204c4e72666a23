// helpcontents.cpp - reading the <object> entries of an HTML Help contents file.
#include "core/app/helpcontents.h"

#include <array>
#include <utility>

namespace prismara {

namespace {

std::string decoded(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, char>, 4> kEntities{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}};
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, c] : kEntities)
            if (text.substr(i, entity.size()) == entity) {
                s += c;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        if (!replaced)
            s += text[i];
    }
    return s;
}

// The value of the attribute `name` in one tag; false when the tag has none.
bool attribute(std::string_view tag, std::string_view name, std::string& value)
{
    const std::string key = std::string(name) + "=\"";
    const std::size_t at = tag.find(key);
    if (at == std::string_view::npos)
        return false;
    const std::size_t start = at + key.size();
    const std::size_t end = tag.find('"', start);
    if (end == std::string_view::npos)
        return false;
    value = decoded(tag.substr(start, end - start));
    return true;
}

} // namespace

std::vector<HelpTopic> ReadHelpContents(std::string_view hhc)
{
    std::vector<HelpTopic> topics;
    std::size_t from = 0;
    while ((from = hhc.find("<object", from)) != std::string_view::npos) {
        const std::size_t end = hhc.find("</object>", from);
        const std::string_view object = hhc.substr(from, end == std::string_view::npos ? end : end - from);
        from += object.size();
        HelpTopic topic;
        for (std::size_t p = 0; (p = object.find("<param", p)) != std::string_view::npos;) {
            const std::size_t close = object.find('>', p);
            const std::string_view tag =
                object.substr(p, close == std::string_view::npos ? close : close - p);
            p += tag.size();
            std::string name, value;
            if (!attribute(tag, "name", name) || !attribute(tag, "value", value))
                continue;
            if (name == "Name")
                topic.name = value;
            else if (name == "Local")
                topic.page = value;
        }
        if (!topic.name.empty() && !topic.page.empty())
            topics.push_back(std::move(topic));
    }
    return topics;
}

} // namespace prismara
