#pragma once

// Base of every process-wide service. The one instance is created on first use and destroyed at
// process exit in reverse order of creation (function-local statics give exactly that order).
template <class T>
class Singleton {
public:
    static T& Instance() {
        static T instance;
        return instance;
    }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() = default;
    ~Singleton() = default;
};
