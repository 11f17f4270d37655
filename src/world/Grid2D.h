#pragma once

#include <cstddef>
#include <vector>

#include "world/Point.h"

// A level's playfield divided into equal cells: Lat is the column counted from the left, Long the
// row counted from the bottom. One flag word of type T per cell; CellFlags names its bits.
// Every look-up takes whole-unit positions (rounded by the caller).
template <class T, class CellFlags>
class Grid2D {
public:
    virtual ~Grid2D() = default;

    // Replaces the cell array by numLat × numLong cleared flag words.
    bool Create(int numLat, int numLong, int cellWidth, int cellHeight) {
        if (numLat <= 0 || numLong <= 0 || cellWidth <= 0 || cellHeight <= 0) return false;
        cells_.assign(static_cast<std::size_t>(numLat) * static_cast<std::size_t>(numLong), T{});
        numLatCells_ = numLat;
        numLongCells_ = numLong;
        cellWidth_ = cellWidth;
        cellHeight_ = cellHeight;
        widthUnits_ = numLat * cellWidth;
        heightUnits_ = numLong * cellHeight;
        return true;
    }

    int CellIndex(int lat, int lng) const { return numLatCells_ * lng + lat; }
    int CellIndex(IntPoint cell) const { return CellIndex(cell.x, cell.y); }

    IntPoint IndexToCell(int index) const { return {index % numLatCells_, index / numLatCells_}; }

    IntPoint CellCenter(int lat, int lng) const {
        return {cellWidth_ * lat + cellWidth_ / 2, cellHeight_ * lng + cellHeight_ / 2};
    }

    // Integer division: meaningful inside the grid, where both coordinates are not negative.
    // A grid that was never laid out has no cells: (−1, −1).
    IntPoint PositionToCell(int x, int y) const {
        if (cellWidth_ <= 0 || cellHeight_ <= 0) return {-1, -1};
        return {x / cellWidth_, y / cellHeight_};
    }

    bool IsOutside(int x, int y) const { return x < 0 || x >= widthUnits_ || y < 0 || y >= heightUnits_; }

    bool IsCellInside(int lat, int lng) const {
        return lat >= 0 && lat < numLatCells_ && lng >= 0 && lng < numLongCells_;
    }

    // −1 outside the grid.
    int CellIndexAt(int x, int y) const {
        if (IsOutside(x, y)) return -1;
        return CellIndex(PositionToCell(x, y));
    }

    // No range test: pass indices from CellIndex or a CellIndexAt result ≥ 0.
    T& GetCell(int index) { return cells_[static_cast<std::size_t>(index)]; }
    const T& GetCell(int index) const { return cells_[static_cast<std::size_t>(index)]; }

    // Flag test of the cell under a whole-unit point; false outside the grid.
    bool HasFlagAt(int x, int y, CellFlags flag) const {
        const int index = CellIndexAt(x, y);
        return index >= 0 && (GetCell(index) & flag) != 0;
    }

    int NumLatCells() const { return numLatCells_; }
    int NumLongCells() const { return numLongCells_; }
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    int WidthUnits() const { return widthUnits_; }
    int HeightUnits() const { return heightUnits_; }

private:
    std::vector<T> cells_;
    int numLatCells_ = 0;
    int numLongCells_ = 0;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    int widthUnits_ = 0;
    int heightUnits_ = 0;
};
