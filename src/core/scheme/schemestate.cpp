// schemestate.cpp - the web-scheme samples' colours and captions and the rules that change them.
#include "core/scheme/schemestate.h"

#include <algorithm>
#include <utility>

namespace prismara {

namespace {

ColorValue& property(SampleLook& look, SampleProperty p)
{
    switch (p) {
    case SampleProperty::BackColor:
        return look.backColor;
    case SampleProperty::ForeColor:
        return look.foreColor;
    case SampleProperty::BorderColor:
        break;
    }
    return look.borderColor;
}

ColorValue property(const SampleLook& look, SampleProperty p)
{
    switch (p) {
    case SampleProperty::BackColor:
        return look.backColor;
    case SampleProperty::ForeColor:
        return look.foreColor;
    case SampleProperty::BorderColor:
        break;
    }
    return look.borderColor;
}

std::vector<SampleLook> startingLooks(const SchemeStyle& style)
{
    std::vector<SampleLook> looks;
    looks.reserve(style.samples.size());
    for (const SampleControl& sample : style.samples)
        looks.push_back({sample.backColor, sample.foreColor, sample.borderColor, sample.caption});
    return looks;
}

} // namespace

SchemeState::SchemeState()
{
    for (const SchemeStyle& style : SchemeStyles::all())
        looks_.push_back(startingLooks(style));
}

void SchemeState::reset(std::size_t style)
{
    if (style < looks_.size())
        looks_[style] = startingLooks(SchemeStyles::style(style));
}

const SampleLook* SchemeState::find(std::size_t style, std::string_view sample) const
{
    if (style >= looks_.size())
        return nullptr;
    const auto index = SchemeStyles::style(style).sampleIndex(sample);
    return index ? &looks_[style][*index] : nullptr;
}

SampleLook* SchemeState::findMutable(std::size_t style, std::string_view sample)
{
    return const_cast<SampleLook*>(std::as_const(*this).find(style, sample));
}

ColorValue SchemeState::color(std::size_t style, const SampleRef& ref) const
{
    const SampleLook* look = find(style, ref.control);
    return look ? property(*look, ref.property) : kBlack;
}

std::string SchemeState::caption(std::size_t style, std::string_view sample) const
{
    const SampleLook* look = find(style, sample);
    return look ? look->caption : std::string();
}

void SchemeState::applyColor(std::size_t style, std::size_t element, ColorValue color)
{
    if (style >= looks_.size())
        return;
    const SchemeStyle& table = SchemeStyles::style(style);
    if (element >= table.elements.size())
        return;
    const SchemeElement& e = table.elements[element];
    for (const SampleRef& target : e.targets) {
        if (SampleLook* look = findMutable(style, target.control))
            property(*look, target.property) = color;
    }
    if (e.captionRewrite) {
        if (SampleLook* look = findMutable(style, e.captionRewrite->sample))
            look->caption = e.captionRewrite->prefix + HtmlHex(color);
    }
}

std::optional<SchemePick> SchemeState::pickColor(std::size_t style, std::string_view sample) const
{
    if (style >= looks_.size())
        return std::nullopt;
    const auto pick = SchemeStyles::style(style).findPick(sample);
    if (!pick)
        return std::nullopt;
    return SchemePick{pick->element, color(style, pick->pick->colorFrom)};
}

std::vector<ColorValue> SchemeState::sourceColors(std::size_t style) const
{
    std::vector<ColorValue> colors;
    if (style >= looks_.size())
        return colors;
    for (const SchemeElement& e : SchemeStyles::style(style).elements)
        colors.push_back(color(style, e.source));
    return colors;
}

void SchemeState::loadRecord(std::size_t style, const std::vector<std::optional<ColorValue>>& fields)
{
    if (style >= looks_.size())
        return;
    const std::size_t count = std::min(fields.size(), SchemeStyles::style(style).elements.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (fields[i])
            applyColor(style, i, *fields[i]);
    }
}

} // namespace prismara
