#pragma once

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "gfx/SpriteSpec.h"

class Sprite;

// The one place sprites come from. Every picture the game knows is registered as a SpriteSpec at
// start-up; a sprite is built from its files the first time it is asked for and then shared by
// everybody who asks again (the preload asks for all of them, so play never reads files).
//
// The catalogue also carries the display's recovery: a draw that finds lost surfaces calls
// RequestRestore, and the next CheckInvalidSprites restores the display, lets every sprite rebuild
// its surface and runs the restore hook (the scrolling background redraws itself there). Sprites
// reported with MarkInvalid are announced with the "invalid sprite" box and no longer handed out.
class SpriteManager final : public Singleton<SpriteManager> {
public:
    // The word appended to a name for the sprite's mirrored variant.
    static constexpr const char* kMirroredSuffix = "mirrored";

    // Stores a copy of the spec under its name, replacing an earlier one.
    void RegisterSpec(const SpriteSpec& spec);
    const SpriteSpec* FindSpec(const std::string& name) const;
    // Every spec in name order.
    void ForEachSpec(const std::function<void(const SpriteSpec&)>& visit) const;
    size_t SpecCount() const { return specs_.size(); }

    // The sprite of a normalised name, built on first request. Nothing, after the quit request,
    // when the name has no spec or its pictures are missing.
    Sprite* GetSprite(const std::string& name, bool mirrored = false);
    // Builds the sprite of a spec anew (replacing one stored under the same key).
    Sprite* CreateSprite(const SpriteSpec& spec, bool mirrored);
    // Stores a sprite built elsewhere under `key` (the scrolling background's ring surface),
    // replacing one stored there before. Returns the stored sprite.
    Sprite* AddSprite(const std::string& key, std::unique_ptr<Sprite> sprite);
    // The sprite stored under a key, without building anything.
    Sprite* FindSprite(const std::string& key) const;

    // A sprite whose drawing failed; announced and dropped at the next CheckInvalidSprites.
    void MarkInvalid(Sprite* sprite);
    // A draw found the display's surfaces lost.
    void RequestRestore() { surfacesLost_ = true; }
    bool IsRestoreRequested() const { return surfacesLost_; }
    // Runs after the sprites were restored; the background installs its redraw here. An empty
    // function removes the hook.
    void SetRestoreHook(std::function<void()> hook) { restoreHook_ = std::move(hook); }

    // Once per frame, before the frame is presented.
    void CheckInvalidSprites();

    // Destroys every sprite (specs stay).
    bool ReleaseAll();
    // Forgets every spec as well (tests, a new start).
    void Clear();

    static std::string SpriteKey(const std::string& name, bool mirrored);

private:
    friend class Singleton<SpriteManager>;
    SpriteManager();
    ~SpriteManager();

    std::unique_ptr<Sprite> Build(const SpriteSpec& spec, bool mirrored);

    std::map<std::string, std::unique_ptr<Sprite>> sprites_;
    std::map<std::string, SpriteSpec> specs_;
    std::vector<Sprite*> invalid_;
    // Sprites dropped as invalid or replaced live on here until ReleaseAll: objects may still
    // hold their pointers.
    std::vector<std::unique_ptr<Sprite>> retired_;
    std::function<void()> restoreHook_;
    // Names whose sprite could not be built (either variant): asked for again, they give nullptr
    // without reading the files or repeating the message.
    std::set<std::string> failed_;
    bool surfacesLost_ = false;
};
