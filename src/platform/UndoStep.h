#pragma once

class DHTMLEdit;

// Every change made through the surface while an UndoStep lives is undone by one Undo:
// a dialog's result that goes into the page as several insertions comes out as one.
// Steps nest; only the outermost closes the step.
class UndoStep {
public:
    explicit UndoStep(DHTMLEdit* editor);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    DHTMLEdit* editor_;
    bool open_ = false;
};
