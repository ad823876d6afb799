#pragma once

// Points the opener's member at a modal dialog for as long as the guard lives,
// then clears the member and deletes the dialog. The member is what lets the
// opener tell an open dialog from none; it is never left dangling.
//
//     DialogGuard dialog(passwordChangeWindow, new PasswordChangeWindow(name, controller, nullptr));
//     connectToService(dialog.get(), controller, *relay);
//     dialog->exec();
template <class Dialog> class DialogGuard
{
public:
    DialogGuard(Dialog*& member, Dialog* dialog) : member(member), dialog(dialog) { member = dialog; }
    ~DialogGuard()
    {
        member = nullptr;
        delete dialog;
    }
    DialogGuard(const DialogGuard&) = delete;
    DialogGuard& operator=(const DialogGuard&) = delete;

    Dialog* get() const { return dialog; }
    Dialog* operator->() const { return dialog; }

private:
    Dialog*& member;
    Dialog* const dialog;
};
