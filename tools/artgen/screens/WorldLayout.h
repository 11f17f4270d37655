#pragma once

#include <string>
#include <vector>

class ArtContext;

// The vertical structure of the world as the game builds it from config.txt, plus the blockers
// and ponds of the five level files, in world-picture rows (level 0's grid, extended upwards).
// Background and top layers are drawn from it, so the pictures cannot disagree with the game.
class WorldLayout final {
public:
    enum class AreaKind { UnderpassRoad = 0, OpenRoad = 1, River = 2 };
    enum class FeatureKind { Rock, Post, TreeTrunk, Pond };

    struct Feature {
        FeatureKind kind;
        int lat;
        int row;  // world-picture row, 0 at the bottom
    };

    static constexpr int kLevels = 5;  // a world is played as levels 0 … 4

    explicit WorldLayout(ArtContext& ctx);

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    int Width() const { return width_; }
    int Columns() const { return columns_; }
    int Areas() const { return static_cast<int>(areaKinds_.size()); }
    int TracksPerArea() const { return tracksPerArea_; }
    int StartRows() const { return startRows_; }
    int CellsPerArea() const { return cellsPerArea_; }
    AreaKind KindOf(int area) const { return areaKinds_[area]; }
    int FirstTrackRow(int area) const { return startRows_ + area * cellsPerArea_; }
    // Rows of the world picture: tall enough for the cut of every level, and for the closing
    // scroll after the last one (the cut of level 5 has no extra row).
    int Rows() const { return rows_; }
    int PictureHeight() const { return rows_ * cellHeight_; }
    // Picture y (from the top) of the top edge of a world row.
    double RowTop(int row) const { return PictureHeight() - (row + 1.0) * cellHeight_; }
    // Picture y of a world y (world y grows upwards).
    double PictureY(double worldY) const { return PictureHeight() - worldY; }
    // Area whose lanes hold the row, or -1.
    int AreaOfTrackRow(int row) const;

    const std::vector<Feature>& Features() const { return features_; }
    bool HasFeature(FeatureKind kind, int lat, int row) const;
    // Rows above the last area: the pond where the frog ends its journey.
    int FinaleFirstRow() const { return FirstTrackRow(Areas()); }
    // Where the frog celebrates after the last level, in the world picture (x, picture y).
    double StageX() const { return stageX_; }
    double StageY() const { return PictureY(stageWorldY_); }

    // Errors found while reading the level files (empty when all is well).
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void ReadLevelFile(int level);

    int cellWidth_ = 40;
    int cellHeight_ = 75;
    int width_ = 800;
    int columns_ = 20;
    int tracksPerArea_ = 0;
    int startRows_ = 0;
    int cellsPerArea_ = 0;
    int rows_ = 0;
    double stageX_ = 0;
    double stageWorldY_ = 0;
    std::vector<AreaKind> areaKinds_;
    std::vector<Feature> features_;
    std::vector<std::string> problems_;
};
