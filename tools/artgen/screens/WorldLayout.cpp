#include "WorldLayout.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ArtContext.h"
#include "core/StringUtil.h"
#include "files/FileLoader.h"

WorldLayout::WorldLayout(ArtContext& ctx) {
    width_ = ctx.Int("gridWidthUnits");
    columns_ = ctx.Int("numLatCells");
    tracksPerArea_ = ctx.Int("numTracksPerArea");
    startRows_ = ctx.Int("numCellsStartStrip");
    cellsPerArea_ = ctx.Int("numCellsPerGrassStrip") + ctx.Int("numCellsPerTrack") * tracksPerArea_;
    const int visibleAreas = ctx.Int("numVisibleAreas");
    const int gridRows = visibleAreas * cellsPerArea_ + startRows_;
    if (columns_ > 0) cellWidth_ = width_ / columns_;
    cellHeight_ = ctx.Int("gridHeightUnits") / std::max(1, gridRows);
    rows_ = std::max((kLevels - 1) * cellsPerArea_ + gridRows + 1, kLevels * cellsPerArea_ + gridRows);

    // The closing scene runs in the grid of "level 5", one area shift above the last level.
    stageX_ = ctx.Int("frogPosShowDownPixX");
    stageWorldY_ = kLevels * cellsPerArea_ * cellHeight_ + ctx.Int("frogPosShowDownPixY");

    const int areas = ctx.Int("numAreas");
    for (int a = 0; a < areas; ++a) {
        const int type = ctx.Int(IndexedKey("areaType", a));
        if (type < 0 || type > 2) {
            ctx.Fail(StringFormat("config.txt: areaType%02d is %d, not 0, 1 or 2", a, type));
        }
        areaKinds_.push_back(static_cast<AreaKind>(std::clamp(type, 0, 2)));
    }
    for (int level = 0; level < kLevels; ++level) ReadLevelFile(level);
    for (const std::string& problem : problems_) ctx.Fail(problem);
}

int WorldLayout::AreaOfTrackRow(int row) const {
    for (int a = 0; a < Areas(); ++a) {
        if (row >= FirstTrackRow(a) && row < FirstTrackRow(a) + tracksPerArea_) return a;
    }
    return -1;
}

bool WorldLayout::HasFeature(FeatureKind kind, int lat, int row) const {
    return std::any_of(features_.begin(), features_.end(),
                       [&](const Feature& f) { return f.kind == kind && f.lat == lat && f.row == row; });
}

void WorldLayout::ReadLevelFile(int level) {
    const std::string name = StringFormat("ArbitraryObjects_00_%02d.txt", level);
    const std::string path = FileLoader::DataRoot() + "/" + name;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return;  // a level without arbitrary objects
    char line[2048];
    std::string comment;
    while (std::fgets(line, sizeof line, file)) {
        if (line[0] == '#') {
            // The comment above a group of blockers names what they are on the picture.
            comment = ToLower(line);
            continue;
        }
        int type, lat, row, w, h;
        if (std::sscanf(line, "%d, %d, %d, %d, %d", &type, &lat, &row, &w, &h) != 5) continue;
        if (type != 1 && type != 2) continue;
        if (lat < 0 || lat >= columns_ || row < 0) {
            problems_.push_back(name + ": cell " + std::to_string(lat) + ", " + std::to_string(row) +
                                " lies outside the grid");
            continue;
        }
        Feature feature{FeatureKind::Rock, lat, row + level * cellsPerArea_};
        if (type == 2) {
            feature.kind = FeatureKind::Pond;
        } else if (comment.find("trunk") != std::string::npos || comment.find("tree") != std::string::npos) {
            feature.kind = FeatureKind::TreeTrunk;
        } else if (comment.find("post") != std::string::npos || comment.find("bollard") != std::string::npos) {
            feature.kind = FeatureKind::Post;
        }
        if (!HasFeature(feature.kind, feature.lat, feature.row)) features_.push_back(feature);
    }
    std::fclose(file);
}
