#include "framework/gui/Listbox.h"

#include "framework/core/Exceptions.h"
#include "framework/gui/DragItem.h"
#include "framework/gui/DragItemMime_p.h"
#include "framework/gui/ListModel_p.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/detail/Text.h"

namespace fw {

Listbox::Listbox(Window& owner)
    : RectControl(owner), model_(std::make_unique<detail::ListModel>()) {
    view_ = new detail::ListView(*this, *model_);
    SetWidget(view_, view_->viewport());
}

Listbox::~Listbox() {
    // The view goes first: it still refers to the model.
    DestroyWidget();
}

void Listbox::CheckRow(int row) const {
    if (row < 0 || row >= model_->Count())
        throw OutOfBoundsException("row " + std::to_string(row) + " is not in the list");
}

int Listbox::ListCount() const {
    return model_->Count();
}

std::int64_t Listbox::TextBytes() const {
    return static_cast<std::int64_t>(model_->TextBytes());
}

void Listbox::AddRow(std::string_view text) {
    model_->Append(text);
    lastIndex_ = model_->Count() - 1;
}

void Listbox::AddRows(std::vector<std::string> texts) {
    if (texts.empty()) return;
    model_->AppendMany(texts);
    lastIndex_ = model_->Count() - 1;
}

void Listbox::ReserveRows(std::size_t rows, std::size_t bytes) {
    model_->Reserve(rows, bytes);
}

void Listbox::RemoveRow(int row) {
    CheckRow(row);
    model_->Remove(row);
    if (view_->CursorRow() >= model_->Count()) view_->SetCursorRow(model_->Count() - 1);
    if (lastIndex_ >= model_->Count()) lastIndex_ = model_->Count() - 1;
}

int Listbox::RemoveSelectedRows() {
    const qint64 place = view_->Offset();
    const int removed = model_->RemoveSelected();
    if (removed > 0) {
        view_->SetCursorRow(-1);
        if (lastIndex_ >= model_->Count()) lastIndex_ = model_->Count() - 1;
        // A reset puts the view back at the top; keep the user's place where it still exists.
        view_->SetOffset(place);
    }
    return removed;
}

void Listbox::DeleteAllRows() {
    model_->Clear();
    view_->SetCursorRow(-1);
    lastIndex_ = -1;
}

void Listbox::MoveSelectedRows(int before) {
    if (before < 0 || before > model_->Count())
        throw OutOfBoundsException("row " + std::to_string(before) + " is not in the list");
    model_->MoveSelected(before);
    view_->SetCursorRow(model_->FirstSelected());
}

std::string Listbox::List(int row) const {
    CheckRow(row);
    return std::string(model_->Row(row));
}

std::string Listbox::Cell(int row, int column) const {
    if (column != 0) throw OutOfBoundsException("the list has one column");
    return List(row);
}

void Listbox::SetCell(int row, int column, const std::string& text) {
    CheckRow(row);
    if (column != 0) throw OutOfBoundsException("the list has one column");
    model_->Replace(row, text);
}

int Listbox::ListIndex() const {
    return model_->FirstSelected();
}

void Listbox::SetListIndex(int row) {
    if (row != -1) CheckRow(row);
    model_->ClearSelection();
    if (row >= 0) model_->SetSelected(row, true);
    view_->SetCursorRow(row);
    view_->viewport()->update();
}

std::string Listbox::Text() const {
    const int row = ListIndex();
    return row < 0 ? std::string() : std::string(model_->Row(row));
}

bool Listbox::Selected(int row) const {
    return row >= 0 && row < model_->Count() && model_->Selected(row);
}

void Listbox::SetSelected(int row, bool on) {
    CheckRow(row);
    if (on && selectionType_ == 0) model_->ClearSelection();
    model_->SetSelected(row, on);
    view_->viewport()->update();
}

void Listbox::SelectAllRows() {
    if (model_->Count() == 0) return;
    if (selectionType_ == 0) {
        SetSelected(model_->Count() - 1, true);
        return;
    }
    model_->SelectRange(0, model_->Count() - 1);
    view_->viewport()->update();
}

int Listbox::SelCount() const {
    return model_->SelCount();
}

void Listbox::SetHeading(const std::string& heading) {
    model_->SetHeading(detail::ToQt(heading));
}

void Listbox::SetHasHeading(bool on) {
    view_->SetHasHeading(on);
}

void Listbox::SetSelectionType(int type) {
    selectionType_ = type;
}

void Listbox::SetScrollBarVertical(bool on) {
    view_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Listbox::SetScrollBarHorizontal(bool on) {
    view_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Listbox::SetDefaultRowHeight(int height) {
    view_->SetRowHeight(height);
}

void Listbox::FlushPendingRows() {
    model_->Announce();
}

void Listbox::StartDrag(int row) {
    DragItem drag;
    bool goAhead = false;
    if (!Dispatch([&] { goAhead = Event_DragRow(drag, row); }) || !goAhead) return;
    detail::ExecDrag(view_, detail::DragData(drag));
    Dispatch([&] { Event_DragFinished(); });
}

}  // namespace fw
