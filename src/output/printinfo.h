#pragma once

#include <cstdint>
#include <string>

namespace platform {
class Printer;
}

// The layout of a font sample sheet, handed to CalcPrintLayout and DrawPrintPages. Lengths
// are in pixels of the target: printer dots when printing, screen pixels for the preview and
// the print window's page count. Colours are 0x00BBGGRR values.
struct TPrintInfo {
    static constexpr std::size_t kTitleLimit = 255;       // bytes of Title
    static constexpr std::size_t kSampleTextLimit = 511;  // bytes of SampleText

    std::int32_t PageWidth = 0;   // printable width of the page
    std::int32_t PageHeight = 0;  // printable height of the page
    std::int32_t MarginLeft = 0;
    std::int32_t MarginRight = 0;
    std::int32_t MarginTop = 0;
    std::int32_t MarginBottom = 0;
    std::int32_t NameHeight = 0;     // computed
    std::int32_t TextHeight = 0;     // one sample line; 0 = measure it
    std::int32_t ItemHeight = 0;     // computed
    std::int32_t PixelsPerInch = 0;  // vertical resolution of the target
    std::int32_t FromPage = -1;      // first page drawn (1-based); -1 = no range
    std::int32_t ToPage = -1;
    std::int32_t PageCount = 0;     // computed
    std::int32_t ItemsPerPage = 0;  // computed
    std::int32_t PageFilter = 0;    // 0 all pages, 1 odd pages only, 2 even pages only
    std::int32_t FontSize = 0;      // points
    bool PrintFileName = false;
    std::uint32_t TitleColor = 0;
    std::uint32_t NameColor = 0;
    std::uint32_t TextColor = 0;
    std::string Title;       // UTF-8, at most kTitleLimit bytes
    std::string SampleText;  // UTF-8, at most kSampleTextLimit bytes, may hold several lines
    std::int32_t LineCount = 0;
    // Turns the pages of a printed document; none for a preview page.
    platform::Printer* Printer = nullptr;
    // The file name column shows whole paths (as the list view does when it shows them).
    bool ShowFullPath = false;
    // The screen's resolution, against which the header line's thickness is scaled.
    std::int32_t ScreenPixelsPerInch = 96;
};
