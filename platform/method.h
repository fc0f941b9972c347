// Events as (object, code) pairs: copyable, comparable, and "assigned" when the code is set.
#pragma once

#include <utility>

template <typename Signature>
class TMethod;

template <typename R, typename... Args>
class TMethod<R(Args...)> {
public:
    using Thunk = R (*)(void*, Args...);

    TMethod() = default;
    TMethod(void* data, Thunk code) : FData(data), FCode(code) {}

    // Binds the member function M to the object.
    template <auto M, typename C>
    static TMethod Of(C* object) {
        return TMethod(static_cast<void*>(object), &Call<M, C>);
    }

    bool Assigned() const { return FCode != nullptr; }
    explicit operator bool() const { return Assigned(); }
    void* Data() const { return FData; }
    Thunk Code() const { return FCode; }

    R operator()(Args... args) const { return FCode(FData, std::forward<Args>(args)...); }

    bool operator==(const TMethod&) const = default;

private:
    template <auto M, typename C>
    static R Call(void* object, Args... args) {
        return (static_cast<C*>(object)->*M)(std::forward<Args>(args)...);
    }

    void* FData = nullptr;
    Thunk FCode = nullptr;
};
