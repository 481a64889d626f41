#pragma once
// Where the launcher's controls stand for a client size, its smallest size, and the place it
// remembers between openings. Both layouts share the rows above the tree: the text box with
// "Go", then two rows of four columns; the tree layout adds the tree below them.
#include <vector>

struct OptionRecord;

struct LayoutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// Heights the controls have by their font (pixels).
struct LauncherMetrics {
    int comboHeight = 21;    // the text box without its list
    int buttonHeight = 22;
};

struct ControlPlace {
    int id = 0;
    LayoutBox box;
};

// Pixels of the layout. The side margins leave the panel's rounded border free; the tree is
// as wide as the client area less 40 pixels.
constexpr int kLayoutSideMargin = 20;
constexpr int kLayoutTop = 44;             // below the caption line and the title tab
constexpr int kLayoutColumnGap = 6;
constexpr int kLayoutPictureGap = 4;
constexpr int kLayoutTextRowGap = 6;       // between the text box and the first row of buttons
constexpr int kLayoutRowGap = 4;
constexpr int kLayoutTreeGap = 8;
constexpr int kLayoutBottomMargin = 14;    // above the panel's shadow
constexpr int kLayoutMinTreeHeight = 60;

// Every control of the layout (1016 only with the tree) for the client size.
std::vector<ControlPlace> LauncherControlPlaces(int clientWidth, int clientHeight, bool tree,
                                                const LauncherMetrics& metrics);
// The tree's box alone.
LayoutBox LauncherTreeBox(int clientWidth, int clientHeight, const LauncherMetrics& metrics);
// The smallest client height that shows every control (and a few lines of the tree).
int LauncherMinimumClientHeight(bool tree, const LauncherMetrics& metrics);

// The smallest width the user can size the window to: 166 dialog units wide in the compact
// layout, 200 with the tree, in pixels for the dialog's horizontal base unit.
constexpr int kCompactMinWidthUnits = 166;
constexpr int kTreeMinWidthUnits = 200;
int LauncherMinimumWidth(bool tree, int baseUnitWidth);

// Closing for good remembers the window's place: PosCX/PosCY in the compact layout, PosTCX,
// PosTCY, TCX and TCY (with the size) in the tree layout; the other layout's keep their values.
void StoreLauncherPlace(OptionRecord& options, bool tree, const LayoutBox& window);
// The remembered place, when there is one (-999 marks none). withSize tells whether the size
// is remembered too (tree layout, when TCX and TCY hold a size).
bool RememberedLauncherPlace(const OptionRecord& options, bool tree, LayoutBox& place, bool& withSize);
