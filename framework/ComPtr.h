#pragma once

#include <unknwn.h>

#include <utility>

// Owner of one COM interface pointer: releases it when destroyed.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    // For a function that writes a new pointer: the old one is released first.
    T** Put()
    {
        Reset();
        return &m_p;
    }

private:
    void Reset()
    {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

    T* m_p = nullptr;
};
