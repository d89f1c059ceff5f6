#pragma once
// The mnemonics of one dialog window: Alt and the letter after a lone '&'
// in a caption. A label's (or group box's) letter focuses the control it
// stands for, a button's presses the button. The dialog handles them among
// its own keys, as the Windows dialog manager does, instead of leaving them
// to Qt's shortcuts (which never see a key of our dialogs, see the key
// router), so a mnemonic acts once whatever comes between key and dialog.

#include "platform/dialog/DialogTemplate.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class DialogMnemonics {
public:
    // `letter` is the upper-case mnemonic of `owner`'s caption; `target` is
    // what it reaches: the control after a label or group box, the button
    // itself.
    void Add(char letter, QWidget* owner, QWidget* target);

    // Acts on the mnemonic `letter` (any case) of the first control that
    // has it and is shown and enabled; false when there is none.
    bool Activate(char letter) const;

private:
    struct Entry {
        char letter;
        QPointer<QWidget> owner;
        QPointer<QWidget> target;
    };
    std::vector<Entry> m_entries;
};

// The template's mnemonics, linked as the controls are made: a label's or
// group box's letter reaches the control made next (a label with a mark is
// also that control's buddy, which assistive technology reads as its
// label), a button's letter presses the button.
class MnemonicLinker {
public:
    explicit MnemonicLinker(DialogMnemonics& mnemonics) : m_mnemonics(mnemonics) {}

    // Called for each control in template order, right after it is made.
    void Link(const ControlTemplate& control, QWidget* widget);

private:
    DialogMnemonics& m_mnemonics;
    QWidget* m_pendingOwner = nullptr;
    char m_pendingLetter = '\0';
};
