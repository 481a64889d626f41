#include "launcher/LauncherLayout.h"

#include "app/OptionRecord.h"

namespace {

constexpr int kNoPlace = -999;

// Ids of the controls, by their place in the rows.
constexpr int kTextBox = 1000;
constexpr int kGo = 1;
constexpr int kRowB[4] = {1010, 1002, 1013, 1012};      // Go With, All, Go To, Go To URL
constexpr int kRowC[3] = {200, 1014, 1011};             // Translate, WebAlert, Setup
constexpr int kPictures[3] = {201, 202, 203};
constexpr int kTree = 1016;

int AtLeast(int value, int minimum) { return value < minimum ? minimum : value; }

struct Rows {
    int rowA, rowB, rowC, bottom;
};

Rows RowsOf(const LauncherMetrics& m)
{
    Rows r;
    r.rowA = kLayoutTop;
    r.rowB = r.rowA + m.comboHeight + kLayoutTextRowGap;
    r.rowC = r.rowB + m.buttonHeight + kLayoutRowGap;
    r.bottom = r.rowC + m.buttonHeight;
    return r;
}

// Four columns between the margins; the last one takes what the division leaves, so that the
// right edges of all rows line up.
void Columns(int clientWidth, int lefts[4], int widths[4])
{
    const int inner = AtLeast(clientWidth - 2 * kLayoutSideMargin, 0);
    const int column = AtLeast((inner - 3 * kLayoutColumnGap) / 4, 1);
    for (int i = 0; i < 4; ++i) {
        lefts[i] = kLayoutSideMargin + i * (column + kLayoutColumnGap);
        widths[i] = column;
    }
    widths[3] = AtLeast(kLayoutSideMargin + inner - lefts[3], 1);
}

} // namespace

LayoutBox LauncherTreeBox(int clientWidth, int clientHeight, const LauncherMetrics& metrics)
{
    const int top = RowsOf(metrics).bottom + kLayoutTreeGap;
    return {kLayoutSideMargin, top, AtLeast(clientWidth - 2 * kLayoutSideMargin, 0),
            AtLeast(clientHeight - top - kLayoutBottomMargin, 0)};
}

std::vector<ControlPlace> LauncherControlPlaces(int clientWidth, int clientHeight, bool tree,
                                                const LauncherMetrics& metrics)
{
    const Rows rows = RowsOf(metrics);
    int lefts[4], widths[4];
    Columns(clientWidth, lefts, widths);

    std::vector<ControlPlace> places;
    places.push_back({kTextBox, {lefts[0], rows.rowA, lefts[3] - kLayoutColumnGap - lefts[0], metrics.comboHeight}});
    places.push_back({kGo, {lefts[3], rows.rowA, widths[3], metrics.comboHeight}});
    for (int i = 0; i < 4; ++i)
        places.push_back({kRowB[i], {lefts[i], rows.rowB, widths[i], metrics.buttonHeight}});
    for (int i = 0; i < 3; ++i)
        places.push_back({kRowC[i], {lefts[i], rows.rowC, widths[i], metrics.buttonHeight}});
    // The three pictures share the last column.
    const int picture = AtLeast((widths[3] - 2 * kLayoutPictureGap) / 3, 1);
    for (int i = 0; i < 3; ++i) {
        int left = lefts[3] + i * (picture + kLayoutPictureGap);
        int width = i == 2 ? AtLeast(lefts[3] + widths[3] - left, 1) : picture;
        places.push_back({kPictures[i], {left, rows.rowC, width, metrics.buttonHeight}});
    }
    if (tree)
        places.push_back({kTree, LauncherTreeBox(clientWidth, clientHeight, metrics)});
    return places;
}

int LauncherMinimumClientHeight(bool tree, const LauncherMetrics& metrics)
{
    const int bottom = RowsOf(metrics).bottom;
    return tree ? bottom + kLayoutTreeGap + kLayoutMinTreeHeight + kLayoutBottomMargin : bottom + kLayoutBottomMargin;
}

int LauncherMinimumWidth(bool tree, int baseUnitWidth)
{
    return (tree ? kTreeMinWidthUnits : kCompactMinWidthUnits) * baseUnitWidth / 4;
}

void StoreLauncherPlace(OptionRecord& o, bool tree, const LayoutBox& window)
{
    if (tree) {
        o.PosTCX = window.left;
        o.PosTCY = window.top;
        o.TCX = window.width;
        o.TCY = window.height;
    } else {
        o.PosCX = window.left;
        o.PosCY = window.top;
    }
}

bool RememberedLauncherPlace(const OptionRecord& o, bool tree, LayoutBox& place, bool& withSize)
{
    withSize = false;
    if (tree) {
        if (o.PosTCX == kNoPlace)
            return false;
        place = {o.PosTCX, o.PosTCY, o.TCX, o.TCY};
        // A size never stored (or not a size) leaves the window as large as it was made.
        withSize = o.TCX > 0 && o.TCY > 0;
        return true;
    }
    if (o.PosCX == kNoPlace)
        return false;
    place = {o.PosCX, o.PosCY, 0, 0};
    return true;
}
