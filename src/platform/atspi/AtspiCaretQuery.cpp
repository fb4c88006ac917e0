// The accessibility-bus side of the caret locator, built as a module of its own (libvb_atspi.so):
// AT-SPI and GObject are loaded only when the caret is first looked for.
#include "platform/AtspiCaretModule.h"

#include <QElapsedTimer>
#include <QPoint>
#include <optional>
#include <unistd.h>

// AT-SPI brings GLib, whose headers use "signals" as a name; Qt's keyword must not be in force.
#undef signals
#include <atspi/atspi.h>

namespace {

// Nodes walked at most in an application without the collection interface.
constexpr int kWalkBudget = 400;

struct Query
{
    QElapsedTimer clock;
    int limitMs;
    int walked = 0;

    bool late() const { return clock.elapsed() > limitMs; }
};

bool ok(GError *&error)
{
    if (!error)
        return true;
    g_clear_error(&error);
    return false;
}

bool hasState(AtspiAccessible *a, AtspiStateType state)
{
    AtspiStateSet *set = atspi_accessible_get_state_set(a);
    if (!set)
        return false;
    const bool has = atspi_state_set_contains(set, state);
    g_object_unref(set);
    return has;
}

// The focused object below root through the collection interface; null when the
// application has no such interface or nothing is focused.
AtspiAccessible *focusedByCollection(AtspiAccessible *root)
{
    AtspiCollection *collection = atspi_accessible_get_collection_iface(root);
    if (!collection)
        return nullptr;
    AtspiStateSet *states = atspi_state_set_new(nullptr);
    atspi_state_set_add(states, ATSPI_STATE_FOCUSED);
    AtspiMatchRule *rule = atspi_match_rule_new(states, ATSPI_Collection_MATCH_ALL, nullptr,
                                                ATSPI_Collection_MATCH_ANY, nullptr,
                                                ATSPI_Collection_MATCH_ANY, nullptr,
                                                ATSPI_Collection_MATCH_ANY, FALSE);
    GError *error = nullptr;
    GArray *found = atspi_collection_get_matches(collection, rule, ATSPI_Collection_SORT_ORDER_CANONICAL,
                                                 1, TRUE, &error);
    AtspiAccessible *result = nullptr;
    if (ok(error) && found) {
        for (guint i = 0; i < found->len; ++i) {
            AtspiAccessible *a = g_array_index(found, AtspiAccessible *, i);
            if (!result)
                result = a;
            else
                g_object_unref(a);
        }
    }
    if (found)
        g_array_free(found, TRUE);
    g_object_unref(rule);
    g_object_unref(states);
    g_object_unref(collection);
    return result;
}

// The same by walking the tree, within a node budget; large lists are not entered.
AtspiAccessible *focusedByWalk(AtspiAccessible *node, Query &q)
{
    if (q.late() || ++q.walked > kWalkBudget)
        return nullptr;
    AtspiStateSet *set = atspi_accessible_get_state_set(node);
    if (!set)
        return nullptr;
    const bool focused = atspi_state_set_contains(set, ATSPI_STATE_FOCUSED);
    const bool enter = atspi_state_set_contains(set, ATSPI_STATE_SHOWING)
                       && !atspi_state_set_contains(set, ATSPI_STATE_MANAGES_DESCENDANTS);
    g_object_unref(set);
    if (focused)
        return static_cast<AtspiAccessible *>(g_object_ref(node));
    if (!enter)
        return nullptr;
    GError *error = nullptr;
    const int count = atspi_accessible_get_child_count(node, &error);
    if (!ok(error))
        return nullptr;
    for (int i = 0; i < count && !q.late(); ++i) {
        AtspiAccessible *child = atspi_accessible_get_child_at_index(node, i, &error);
        if (!ok(error) || !child)
            continue;
        AtspiAccessible *found = focusedByWalk(child, q);
        g_object_unref(child);
        if (found)
            return found;
    }
    return nullptr;
}

std::optional<QPoint> cornerOf(AtspiRect *r, bool afterCharacter)
{
    std::optional<QPoint> corner;
    // Unknown positions come back as zero or negative sizes.
    if (r && (r->width > 0 || r->height > 0))
        corner = QPoint(afterCharacter ? r->x + r->width : r->x, r->y + r->height);
    g_free(r);
    return corner;
}

// The caret corner of a focused object; nothing for password fields and non-text objects.
std::optional<QPoint> caretOf(AtspiAccessible *focused)
{
    GError *error = nullptr;
    const AtspiRole role = atspi_accessible_get_role(focused, &error);
    if (!ok(error) || role == ATSPI_ROLE_PASSWORD_TEXT)
        return std::nullopt;
    AtspiText *text = atspi_accessible_get_text_iface(focused);
    if (!text)
        return std::nullopt;
    std::optional<QPoint> corner;
    const int offset = atspi_text_get_caret_offset(text, &error);
    const bool haveOffset = ok(error) && offset >= 0;
    const int count = atspi_text_get_character_count(text, &error);
    const bool haveCount = ok(error);
    if (haveOffset && haveCount) {
        if (offset < count) {
            corner = cornerOf(atspi_text_get_character_extents(text, offset, ATSPI_COORD_TYPE_SCREEN, &error), false);
        } else if (count > 0) {
            // At the end of the text: just after the last character.
            corner = cornerOf(atspi_text_get_character_extents(text, count - 1, ATSPI_COORD_TYPE_SCREEN, &error), true);
        }
        if (!ok(error))
            corner.reset();
    }
    g_object_unref(text);
    if (corner || !haveOffset)
        return corner;
    // An empty field has no character to measure: its left-bottom corner is where typing starts.
    if (AtspiComponent *component = atspi_accessible_get_component_iface(focused)) {
        corner = cornerOf(atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, &error), false);
        if (!ok(error))
            corner.reset();
        g_object_unref(component);
    }
    return corner;
}

std::optional<QPoint> queryCaret(int limitMs)
{
    Query q;
    q.limitMs = limitMs;
    q.clock.start();
    const guint self = guint(::getpid());
    AtspiAccessible *desktop = atspi_get_desktop(0);
    if (!desktop)
        return std::nullopt;
    GError *error = nullptr;
    std::optional<QPoint> result;
    const int apps = atspi_accessible_get_child_count(desktop, &error);
    for (int a = 0; ok(error) && a < apps && !result && !q.late(); ++a) {
        AtspiAccessible *app = atspi_accessible_get_child_at_index(desktop, a, &error);
        if (!ok(error) || !app)
            continue;
        // Our own windows answer on the thread that is waiting for this query.
        const guint pid = atspi_accessible_get_process_id(app, &error);
        if (!ok(error) || pid == self) {
            g_object_unref(app);
            continue;
        }
        const int windows = atspi_accessible_get_child_count(app, &error);
        for (int w = 0; ok(error) && w < windows && !result && !q.late(); ++w) {
            AtspiAccessible *window = atspi_accessible_get_child_at_index(app, w, &error);
            if (!ok(error) || !window)
                continue;
            if (hasState(window, ATSPI_STATE_ACTIVE)) {
                AtspiAccessible *focused = focusedByCollection(window);
                if (!focused)
                    focused = focusedByWalk(window, q);
                if (focused) {
                    result = caretOf(focused);
                    g_object_unref(focused);
                    if (!result)
                        w = windows; // the active window's focus is not text: no caret
                }
            }
            g_object_unref(window);
        }
        g_object_unref(app);
    }
    g_clear_error(&error);
    g_object_unref(desktop);
    return result;
}

} // namespace

extern "C" {

Q_DECL_EXPORT void *vbAtspiBegin(int timeLimitMs)
{
    // The bus connection belongs to this thread's own main context, so the GUI thread's
    // event loop never dispatches AT-SPI messages behind our back.
    GMainContext *context = g_main_context_new();
    g_main_context_push_thread_default(context);
    const int rc = atspi_init();
    if (rc != 0 && rc != 1) {
        g_main_context_pop_thread_default(context);
        g_main_context_unref(context);
        return nullptr;
    }
    atspi_set_main_context(context);
    atspi_set_timeout(timeLimitMs, 1000);
    return context;
}

Q_DECL_EXPORT bool vbAtspiCaret(int limitMs, int *x, int *y)
{
    const std::optional<QPoint> caret = queryCaret(limitMs);
    if (!caret)
        return false;
    *x = caret->x();
    *y = caret->y();
    return true;
}

Q_DECL_EXPORT void vbAtspiEnd(void *handle)
{
    auto *context = static_cast<GMainContext *>(handle);
    g_main_context_pop_thread_default(context);
    g_main_context_unref(context);
}

} // extern "C"
