#pragma once

#include <string>

// Base of everything in the world that changes over time.
//
// Protocol: the owner calls Update(dt) once per frame, dt in seconds; Update advances stateTime
// and, for drawable objects, also draws (there is no separate drawing pass). The state number's
// meaning belongs to each class; stateTime counts the seconds spent in the current state.
// Objects are owned by whoever created them and deleted through the virtual destructor; an object
// never deletes itself — its owner removes it at a defined point of the frame.
class GameObject {
public:
    explicit GameObject(std::string name);
    virtual ~GameObject() = default;

    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    // Setting the state the object already has keeps stateTime running. Returns s.
    virtual int SetState(int s);
    virtual void ResetStateTime();
    // Default: stateTime += dt. Overriders advance stateTime the same way before their own work.
    virtual void Update(float dt);

    int GetState() const { return state_; }
    float GetStateTime() const { return stateTime_; }
    const std::string& GetName() const { return name_; }

protected:
    std::string name_;
    int state_ = 0;
    float stateTime_ = 0.0f;
};
