#include "Access.h"

#include "ClickRegion.h"
#include "ImageControl.h"
#include "Palette.h"
#include "SkinWindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPainter>

namespace crescendar {

namespace {

constexpr const char* kRole = "crescendarAccessibleRole";
constexpr const char* kValue = "crescendarAccessibleValue";
constexpr const char* kValueFrom = "crescendarAccessibleValueFrom";
constexpr const char* kChecked = "crescendarAccessibleChecked";
constexpr const char* kKeyboardFocus = "crescendarKeyboardFocus";

int quietDepth = 0;
AnnouncementWatcher announcementWatcher = nullptr;

QAccessible::Role RoleOf(const ClickRegion* region) {
    const QVariant role = region->property(kRole);
    if (role.isValid()) return static_cast<QAccessible::Role>(role.toInt());
    if (region->focusPolicy() & Qt::TabFocus) return QAccessible::Button;
    if (qobject_cast<const ImageControl*>(region))
        return region->accessibleName().isEmpty() ? QAccessible::NoRole : QAccessible::Graphic;
    if (!region->Text().isEmpty() || !region->accessibleName().isEmpty())
        return QAccessible::StaticText;
    return QAccessible::NoRole;
}

// A region: its role as above, its name the accessible name or else its text, its
// description the accessible description or else its hint. A static text also offers its
// shown text (the value when it has one) through the text interface.
class RegionAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit RegionAccessible(ClickRegion* region)
        : QAccessibleWidget(region, QAccessible::Client) {}

    ClickRegion* Region() const { return static_cast<ClickRegion*>(widget()); }

    QAccessible::Role role() const override { return RoleOf(Region()); }

    QString text(QAccessible::Text t) const override {
        const ClickRegion* r = Region();
        switch (t) {
        case QAccessible::Name:
            return r->accessibleName().isEmpty() ? r->Text() : r->accessibleName();
        case QAccessible::Description:
            return r->accessibleDescription().isEmpty() ? r->Hint() : r->accessibleDescription();
        case QAccessible::Value: {
            const QString value = AccessibleValue(r);
            if (!value.isEmpty()) return value;
            return r->accessibleName().isEmpty() ? QString() : r->Text();
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QVariant checked = Region()->property(kChecked);
        if (checked.isValid()) {
            s.checkable = true;
            s.checked = checked.toBool();
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && role() == QAccessible::StaticText)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        const QAccessible::Role r = role();
        if (r == QAccessible::Button || r == QAccessible::RadioButton ||
            r == QAccessible::CheckBox)
            names.prepend(r == QAccessible::Button ? pressAction() : toggleAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            Region()->Activate();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text interface of a static text: its shown text, read only, without a caret.
    QString Shown() const {
        const QString value = text(QAccessible::Value);
        return value.isEmpty() ? text(QAccessible::Name) : value;
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// A plain widget given a role: its value as set, its actions as keys.
class PlainAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit PlainAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}
    QAccessible::Role role() const override {
        const QVariant role = widget()->property(kRole);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::Client;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return AccessibleValue(widget());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QVariant checked = widget()->property(kChecked);
        if (checked.isValid()) {
            s.checkable = true;
            s.checked = checked.toBool();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && role() == QAccessible::SpinBox)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::SpinBox)
            names << increaseAction() << decreaseAction();
        else
            names << pressAction();
        return names;
    }
    void doAction(const QString& action) override {
        const int key = action == increaseAction()   ? Qt::Key_Up
                        : action == decreaseAction() ? Qt::Key_Down
                        : action == pressAction() || action == toggleAction() ? Qt::Key_Space
                                                                              : 0;
        if (key == 0) return QAccessibleWidget::doAction(action);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
    // A spin button's value is a word; the value interface only says that it steps.
    QVariant currentValue() const override { return AccessibleValue(widget()); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return 1; }
};

// A region that is nothing to a reader (decoration, a bare click area that a command stands
// for) is not among its window's children.
bool Exposed(QWidget* w) {
    if (w->isWindow()) return false;
    if (const auto* label = qobject_cast<QLabel*>(w); label && label->isHidden() && label->buddy())
        return false; // a field's hidden name

    if (const auto* region = qobject_cast<ClickRegion*>(w))
        return RoleOf(region) != QAccessible::NoRole;
    return true;
}

QList<QWidget*> ExposedChildren(const QWidget* parent) {
    QList<QWidget*> list;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && Exposed(w)) list << w;
    }
    return list;
}

// A skin window: named by its title; its children are its exposed controls.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    int childCount() const override { return static_cast<int>(ExposedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = ExposedChildren(widget());
        if (index < 0 || index >= list.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(ExposedChildren(widget()).indexOf(child->object()));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

// A cell of an AccessibleTable (row -1: a column heading). Owned by Qt's accessibility cache.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(AccessibleTable* table, int row, int column)
        : table_(table), row_(row), column_(column) {}
    bool isValid() const override { return !table_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return table_ ? table_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(table_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!table_ || (t != QAccessible::Name && t != QAccessible::Value)) return {};
        return row_ < 0 ? table_->Heading(column_) : table_->Cell(row_, column_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!table_) return {};
        const QRect r = row_ < 0 || !table_->TableModel().RowRect
                            ? QRect()
                            : table_->TableModel().RowRect(row_);
        return r.isEmpty() ? QRect() : QRect(table_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        if (row_ < 0) return QAccessible::ColumnHeader;
        if (column_ == 0 && table_ && table_->HasRowHeaders()) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!table_) return s;
        const bool current = row_ >= 0 && row_ == table_->CurrentRow();
        s.focusable = s.selectable = row_ >= 0;
        s.focused = current && column_ == 0 && table_->hasFocus();
        s.selected = current;
        s.invisible = row_ >= 0 && rect().isEmpty();
        s.offscreen = s.invisible;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return table_ && row_ == table_->CurrentRow(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        if (!table_ || row_ < 0) return {};
        return {table_->CellInterface(-1, column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        if (!table_ || row_ < 0 || !table_->HasRowHeaders() || column_ == 0) return {};
        return {table_->CellInterface(row_, 0)};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<AccessibleTable> table_;
    int row_, column_;
};

// A table: its children are the headings, then the cells row by row.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TableAccessible(AccessibleTable* table) : QAccessibleWidget(table, QAccessible::Table) {}
    AccessibleTable* Table() const { return static_cast<AccessibleTable*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (columns == 0 || index < 0 || index >= childCount()) return nullptr;
        return Table()->CellInterface(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell || child->parent()->object() != widget()) return -1;
        return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* focusChild() const override {
        if (!Table()->hasFocus() || rowCount() == 0) return nullptr;
        return Table()->CellInterface(Table()->CurrentRow(), 0);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return Table()->CellInterface(row, column);
    }
    int selectedCellCount() const override { return rowCount() > 0 ? columnCount() : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        if (rowCount() == 0) return cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << Table()->CellInterface(Table()->CurrentRow(), c);
        return cells;
    }
    QString columnDescription(int column) const override { return Table()->Heading(column); }
    QString rowDescription(int row) const override {
        return HasRowHeads() ? Table()->Cell(row, 0) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return rowCount() > 0 ? 1 : 0; }
    int columnCount() const override { return Table()->ColumnCount(); }
    int rowCount() const override { return Table()->RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        return rowCount() > 0 ? QList<int>{Table()->CurrentRow()} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return row == Table()->CurrentRow(); }
    bool selectRow(int row) override {
        Table()->SetCurrentRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    bool HasRowHeads() const { return Table()->HasRowHeaders(); }
};

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (auto* table = qobject_cast<AccessibleTable*>(object)) return new TableAccessible(table);
    if (auto* region = qobject_cast<ClickRegion*>(object)) return new RegionAccessible(region);
    if (auto* window = qobject_cast<SkinWindow*>(object)) return new WindowAccessible(window);
    // The program's own plain widgets, which may be given a role after Qt first asked.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->metaObject()->superClass() == &QWidget::staticMetaObject &&
        QLatin1String(widget->metaObject()->className()).startsWith(QLatin1String("crescendar::")))
        return new PlainAccessible(widget);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void SetAccessibleRole(QWidget* control, QAccessible::Role role) {
    control->setProperty(kRole, static_cast<int>(role));
}

void SetAccessibleValue(QWidget* control, const QString& value) {
    if (control->property(kValue).toString() == value && control->property(kValue).isValid())
        return;
    control->setProperty(kValue, value);
    AnnounceChange(control);
}

QString AccessibleValue(const QWidget* control) {
    if (const auto* shows = control->property(kValueFrom).value<QObject*>())
        return shows->property("text").toString();
    return control->property(kValue).toString();
}

void SetAccessibleValueFrom(QWidget* control, QObject* shows) {
    control->setProperty(kValueFrom, QVariant::fromValue(shows));
}

void SetAccessibleChecked(QWidget* control, bool checked) {
    const QVariant before = control->property(kChecked);
    control->setProperty(kChecked, checked);
    if (before.isValid() && before.toBool() == checked) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

QuietUpdates::QuietUpdates() { ++quietDepth; }
QuietUpdates::~QuietUpdates() { --quietDepth; }
bool QuietUpdates::Active() { return quietDepth > 0; }

void AnnounceChange(QWidget* control) {
    if (QuietUpdates::Active() || !control->isVisible()) return;
    if (announcementWatcher) announcementWatcher(control);
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent value(control, AccessibleValue(control));
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent text(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&text);
}

void NameField(QWidget* field, const QString& name) {
    field->setAccessibleName(name);
    auto* list = qobject_cast<QComboBox*>(field);
    if (!list) return;
    if (list->lineEdit()) list->lineEdit()->setAccessibleName(name);
    auto* label = new QLabel(name, field->parentWidget());
    label->setObjectName(field->objectName() + QLatin1String("Name"));
    label->setBuddy(field);
    label->hide();
}

AnnouncementWatcher WatchAnnouncements(AnnouncementWatcher watcher) {
    return std::exchange(announcementWatcher, watcher);
}

void MakeKeyboardButton(ClickRegion* region) { region->setFocusPolicy(Qt::TabFocus); }

ClickRegion* ExposeText(QWidget* window, const char* objectName, const QRect& rect,
                        const QString& caption) {
    auto* standIn = new ClickRegion(window, rect.x(), rect.y(), rect.width(), rect.height());
    standIn->setObjectName(QLatin1String(objectName));
    standIn->setAttribute(Qt::WA_TransparentForMouseEvents);
    standIn->setAccessibleName(caption);
    SetAccessibleRole(standIn, QAccessible::StaticText);
    return standIn;
}

// ----- the table ------------------------------------------------------------------------

AccessibleTable::AccessibleTable(QWidget* window, const char* objectName, const QRect& rect,
                                 const QString& name, Model model)
    : QWidget(window), model_(std::move(model)) {
    setObjectName(QLatin1String(objectName));
    setGeometry(rect);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
}

AccessibleTable::~AccessibleTable() { DropCells(); }

void AccessibleTable::DropCells() {
    for (const auto& [at, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

void AccessibleTable::LoadRows() const {
    if (loaded_) return;
    // A table given cell by cell keeps only its headings here.
    if (model_.CellText)
        rows_ = {model_.Headings ? model_.Headings() : QStringList{}};
    else
        rows_ = model_.Rows ? model_.Rows() : QList<QStringList>{};
    loaded_ = true;
}

void AccessibleTable::Refresh() {
    DropCells();
    loaded_ = false;
    current_ = 0;
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    update();
}

int AccessibleTable::RowCount() const {
    if (model_.CellText) return model_.CountRows ? model_.CountRows() : 0;
    LoadRows();
    return rows_.isEmpty() ? 0 : static_cast<int>(rows_.size()) - 1;
}

int AccessibleTable::ColumnCount() const {
    LoadRows();
    return rows_.isEmpty() ? 0 : static_cast<int>(rows_.front().size());
}

QString AccessibleTable::Heading(int column) const {
    LoadRows();
    return rows_.isEmpty() ? QString() : rows_.front().value(column);
}

QString AccessibleTable::Cell(int row, int column) const {
    if (model_.CellText)
        return row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()
                   ? QString()
                   : model_.CellText(row, column);
    LoadRows();
    return row < 0 || row + 1 >= rows_.size() ? QString() : rows_.at(row + 1).value(column);
}

QAccessibleInterface* AccessibleTable::CellInterface(int row, int column) {
    const auto at = cells_.find({row, column});
    if (at != cells_.end()) return QAccessible::accessibleInterface(at->second);
    auto* cell = new CellAccessible(this, row, column);
    cells_[{row, column}] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

void AccessibleTable::SetCurrentRow(int row) {
    const int count = RowCount();
    if (count == 0) return;
    row = std::clamp(row, 0, count - 1);
    if (model_.ShowRow) model_.ShowRow(row);
    if (row != current_) {
        current_ = row;
        if (QAccessible::isActive() && hasFocus()) {
            QAccessibleEvent focus(CellInterface(row, 0), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
    update();
}

void AccessibleTable::paintEvent(QPaintEvent*) {
    if (!KeyboardFocused(this) || RowCount() == 0 || !model_.RowRect) return;
    const QRect r = model_.RowRect(current_);
    if (r.isEmpty()) return;
    QPainter p(this);
    PaintFocusRing(p, r);
}

void AccessibleTable::keyPressEvent(QKeyEvent* e) {
    if (model_.RowRect && RowCount() > 0) {
        const int h = model_.RowRect(current_).height();
        if (h > 0) rowHeight_ = h;
    }
    const int page = rowHeight_ > 0 ? std::max(1, height() / rowHeight_) : 10;
    switch (e->key()) {
    case Qt::Key_Up: SetCurrentRow(current_ - 1); break;
    case Qt::Key_Down: SetCurrentRow(current_ + 1); break;
    case Qt::Key_PageUp: SetCurrentRow(current_ - page); break;
    case Qt::Key_PageDown: SetCurrentRow(current_ + page); break;
    case Qt::Key_Home: SetCurrentRow(0); break;
    case Qt::Key_End: SetCurrentRow(RowCount() - 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!model_.Activate || RowCount() == 0) {
            e->ignore();
            return;
        }
        model_.Activate(current_);
        break;
    default: e->ignore(); return;
    }
    e->accept();
}

void AccessibleTable::focusInEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    if (RowCount() > 0 && model_.ShowRow) model_.ShowRow(current_);
    QWidget::focusInEvent(e);
    update();
}

void AccessibleTable::focusOutEvent(QFocusEvent* e) {
    NoteFocus(this, e);
    QWidget::focusOutEvent(e);
    update();
}

// ----- focus ----------------------------------------------------------------------------

bool KeyboardFocused(const QWidget* widget) {
    return widget->hasFocus() && widget->property(kKeyboardFocus).toBool();
}

void NoteFocus(QWidget* widget, QFocusEvent* e) {
    switch (e->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        widget->setProperty(kKeyboardFocus, e->gotFocus());
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break; // the window comes and goes: the focus stays as it was got
    default:
        widget->setProperty(kKeyboardFocus, false);
        break;
    }
}

void ForgetKeyboardFocus(QWidget* widget) {
    if (!widget) return;
    widget->setProperty(kKeyboardFocus, false);
    widget->update();
}

void PaintFocusRing(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(palette::FocusRing, 1);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace crescendar
