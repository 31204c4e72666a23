// notations.h - the eleven notations in which the current colour is copied to the clipboard.
//
// Each notation is built from the texts of the colour editors as they stand, so while the user is
// typing a command copies the half-typed text as it is. Captions show the copied text, some with a
// language label in front.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace prismara {

// In menu order: two decimal forms, five hexadecimal forms, four programming-language forms.
enum class CopyNotation : std::size_t {
    Dec1,   // RGB(255,128,0)
    Dec2,   // 255,128,0
    Hex1,   // #FF8000
    Hex2,   // "#FF8000"
    Hex3,   // FF8000
    Hex4,   // "FF8000"
    Hex5,   // Hex={FF,80,00}
    CPlus,  // 0x0080FF (blue first)
    VB,     // &H000080FF& (blue first)
    Delphi, // $000080FF (blue first)
    Java,   // 0xFF8000
};

inline constexpr std::size_t kCopyNotationCount = 11;

// The texts of the editors the notations are built from.
struct EditorTexts
{
    std::string rgb;   // txtRgb: "255,128,0"
    std::string hex;   // txtHex: "#FF8000"; only its last six characters are used
    std::string red;   // txtrh: "FF"
    std::string green; // txtgh: "80"
    std::string blue;  // txtbh: "00"
};

struct CopyNotationInfo
{
    CopyNotation notation;
    std::string_view menuEntry;      // object name of the menu entry, "mnuCopyhex1"
    std::string_view initialCaption; // caption before the first colour is shown, "&" escaped as "&&"
};

// All eleven notations in menu order.
const std::array<CopyNotationInfo, kCopyNotationCount>& CopyNotations();

// The text that the notation's command puts on the clipboard.
std::string copiedText(CopyNotation notation, const EditorTexts& editors);

// The menu caption that shows the copied text: the language label and its leading spaces in front,
// and every "&" doubled so that the menu shows it rather than taking it as the access key.
std::string menuCaption(CopyNotation notation, const EditorTexts& editors);

} // namespace prismara
