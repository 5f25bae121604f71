#pragma once

#include <string>

namespace platform {

// Told when a text field's text is set by code.
class TextFieldObserver {
public:
    virtual ~TextFieldObserver() = default;
    virtual void TextFieldChanged() = 0;
};

// The text of a text field, held without any toolkit object; a view shows and edits it.
class TextField {
public:
    virtual ~TextField() = default;

    const std::string& Text() const { return text_; }
    void Text(std::string text) {
        text_ = std::move(text);
        if (observer_ != nullptr) {
            observer_->TextFieldChanged();
        }
    }

    // For the view: the user's edit, which needs no echo back to the view.
    void TextEditedByUser(std::string text) { text_ = std::move(text); }

    void SetObserver(TextFieldObserver* observer) { observer_ = observer; }

private:
    std::string text_;
    TextFieldObserver* observer_ = nullptr;
};

}  // namespace platform
