#pragma once

namespace tragvel::report {

// The four style flags of the report document's characters.
struct TextStyle
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    friend bool operator==(const TextStyle &, const TextStyle &) = default;
};

// The style with every flag of `added` set as well; the other flags keep their state.
constexpr TextStyle withAdded(TextStyle style, TextStyle added)
{
    return {style.bold || added.bold, style.italic || added.italic,
            style.underline || added.underline, style.strikeout || added.strikeout};
}

// A character height in screen pixels is kept as a whole point size: pixels * 72 / the screen's
// vertical pixels per inch, rounded to the nearest point (12 px are 9 pt at 96 dpi).
int pointsFromPixels(int pixels, double verticalDpi);

} // namespace tragvel::report
