#pragma once

#include <memory>
#include <utility>

// One window or data module of the program together with the program-wide name that points
// at it (FrmUscita, DM_Conn, ...). The name is set when the object is made and cleared
// before the object goes, so nothing reaches an object being destroyed through its name.
template <class T> class Registered {
public:
    explicit Registered(T*& name) : m_name(name) {}
    ~Registered() { reset(); }
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;

    template <class... Args> T& create(Args&&... args) {
        reset();
        m_object = std::make_unique<T>(std::forward<Args>(args)...);
        m_name = m_object.get();
        return *m_object;
    }
    void reset() {
        m_name = nullptr;
        m_object.reset();
    }

    T* get() const { return m_object.get(); }
    T* operator->() const { return m_object.get(); }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T*& m_name;
    std::unique_ptr<T> m_object;
};
