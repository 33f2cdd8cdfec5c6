#pragma once

#include <glib-object.h>

#include <memory>

namespace addrell::glib {

// Owners for what the GLib-based contacts server library hands out.

struct ObjectUnref {
    void operator()(gpointer object) const noexcept { g_object_unref(object); }
};
template <typename T> using Object = std::unique_ptr<T, ObjectUnref>;

// A reference shared by everything that needs the object alive, such as the loaders of books.
template <typename T> [[nodiscard]] std::shared_ptr<T> shared(T* object)
{
    return std::shared_ptr<T>(object, ObjectUnref());
}

struct Free {
    void operator()(gpointer memory) const noexcept { g_free(memory); }
};
using String = std::unique_ptr<gchar, Free>;

// A list whose elements each hold one object reference.
struct ObjectListFree {
    void operator()(GList* list) const noexcept { g_list_free_full(list, g_object_unref); }
    void operator()(GSList* list) const noexcept { g_slist_free_full(list, g_object_unref); }
};
using ObjectList = std::unique_ptr<GList, ObjectListFree>;
using ObjectSList = std::unique_ptr<GSList, ObjectListFree>;

// Receives a GError from a call's out parameter and owns it afterwards:
//     glib::ErrorSlot error; call(..., error.out()); if (error) ...
class ErrorSlot {
public:
    ErrorSlot() = default;
    ~ErrorSlot()
    {
        if (m_raw != nullptr) {
            g_error_free(m_raw);
        }
    }
    ErrorSlot(const ErrorSlot&) = delete;
    ErrorSlot& operator=(const ErrorSlot&) = delete;

    [[nodiscard]] GError** out() noexcept { return &m_raw; }

    explicit operator bool() const noexcept { return m_raw != nullptr; }
    [[nodiscard]] const char* message() const noexcept
    {
        return m_raw != nullptr ? m_raw->message : "";
    }

private:
    GError* m_raw = nullptr;
};

} // namespace addrell::glib
