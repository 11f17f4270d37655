#include "world/objects/GameObject.h"

#include <utility>

GameObject::GameObject(std::string name) : name_(std::move(name)) {}

int GameObject::SetState(int s) {
    if (s != state_) stateTime_ = 0.0f;
    state_ = s;
    return s;
}

void GameObject::ResetStateTime() { stateTime_ = 0.0f; }

void GameObject::Update(float dt) { stateTime_ += dt; }
