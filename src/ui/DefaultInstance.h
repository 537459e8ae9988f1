#pragma once

#include <QPointer>

namespace scriptloom {

namespace detail {
// Registers a way to discard one kind of window, so all windows can be discarded together.
void registerDiscard(void (*discard)());
}  // namespace detail

// Discards every window that exists (at the end of the program, and between tests).
void discardAllWindows();

// Each window of the program exists at most once. The first use creates it hidden with its
// design-time contents; closing it through its frame deletes it with its contents, and the next
// use creates it afresh. A window class derives from DefaultInstance<ItsClass> and sets
// Qt::WA_DeleteOnClose (the main menu does not: closing it ends the program).
template <typename Form>
class DefaultInstance {
public:
    static Form* instance() {
        if (form_.isNull()) {
            static const bool registered = (detail::registerDiscard(&discard), true);
            (void)registered;
            form_ = new Form;
            // A window with a load handler runs it on first use, once it is the program's
            // instance: code that the handler lets run finds this window instead of making another.
            if constexpr (requires(Form & form) { form.Form_Load(); }) {
                form_->Form_Load();
            }
        }
        return form_.data();
    }
    static bool exists() { return !form_.isNull(); }
    static void discard() { delete form_.data(); }

private:
    static inline QPointer<Form> form_;
};

}  // namespace scriptloom
