#include "settings/tf_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/main_window_port.h"
#include "settings/masked_edit.h"
#include "settings/tf_subnet.h"
#include "settings/tool_tip_switch.h"

namespace zavo {
namespace {

QValidator* NoCommas(QObject* parent) {
  return new QRegularExpressionValidator(QRegularExpression("[^,]*"), parent);
}

// In-place editors that cannot take a comma; names also keep to 13
// characters. Columns not listed get no editor.
class FieldDelegate : public QStyledItemDelegate {
 public:
  FieldDelegate(int editableFrom, int maxLength, QObject* parent)
      : QStyledItemDelegate(parent), editableFrom_(editableFrom), maxLength_(maxLength) {}

  void SetOnlyColumn(int column) { onlyColumn_ = column; }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    if (index.column() < editableFrom_ || (onlyColumn_ >= 0 && index.column() != onlyColumn_))
      return nullptr;
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setValidator(NoCommas(edit));
    if (maxLength_ > 0) edit->setMaxLength(maxLength_);
    (void)option;
    return edit;
  }

 private:
  int editableFrom_;
  int maxLength_;
  int onlyColumn_ = -1;
};

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
  if (edit->text().toStdString() != text) edit->setText(Q(text));
}

QToolButton* BitmapButton(const QString& name, const QString& hint, const QIcon& icon,
                          const QString& glyph, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  if (icon.isNull())
    b->setText(glyph);
  else
    b->setIcon(icon);
  b->setEnabled(false);
  return b;
}

}  // namespace

TfSettings::TfSettings(KeyValueStore& backend, MainWindowPort& main, TfSubnet& subnet,
                       QWidget* parent)
    : QDialog(parent),
      main_(main),
      subnet_(subnet),
      store_(backend),
      editor_(store_),
      socket_(this),
      scanner_(editor_, socket_, socket_, *this) {
  setObjectName("fSettings");
  setWindowTitle("Settings");
  setModal(true);
  socket_.SetScanner(&scanner_);
  imgLst_ = style()->standardIcon(QStyle::SP_ComputerIcon);

  // The list group: fields, list, list buttons and the scan controls.
  gbIPList_ = new QGroupBox(" Zav Names && IPs ", this);
  gbIPList_->setObjectName("gbIPList");
  auto* lName = new QLabel("&Name", gbIPList_);
  lName->setObjectName("lName");
  eName_ = new QLineEdit(gbIPList_);
  eName_->setObjectName("eName");
  eName_->setToolTip("Display name for this Zavomax");
  eName_->setMaxLength(static_cast<int>(TerminalListEditor::kNameLimit));
  eName_->setValidator(NoCommas(eName_));
  lName->setBuddy(eName_);
  auto* lIP = new QLabel("I&P", gbIPList_);
  lIP->setObjectName("lIP");
  eIP_ = new MaskedEdit("999.999.999.999;_", gbIPList_);
  eIP_->setObjectName("eIP");
  eIP_->setToolTip("IP Address for this Zavomax");
  eIP_->setMaxLength(15);
  lIP->setBuddy(eIP_);

  lvIPs_ = new QTreeWidget(gbIPList_);
  lvIPs_->setObjectName("lvIPs");
  lvIPs_->setToolTip("Double-click to Edit");
  lvIPs_->setColumnCount(2);
  lvIPs_->setHeaderLabels({"Name", "IP"});
  lvIPs_->setColumnWidth(0, 102);
  lvIPs_->setColumnWidth(1, 95);
  lvIPs_->setMinimumWidth(240);  // the padded address in the platform's font
  lvIPs_->setRootIsDecorated(false);
  lvIPs_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvIPs_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvIPs_->header()->setSectionsClickable(false);
  lvIPs_->setEditTriggers(QAbstractItemView::SelectedClicked);
  auto* nameDelegate =
      new FieldDelegate(0, static_cast<int>(TerminalListEditor::kNameLimit), lvIPs_);
  nameDelegate->SetOnlyColumn(0);
  lvIPs_->setItemDelegate(nameDelegate);

  bAdd_ = BitmapButton("bAdd", "Add", QIcon(), "+", gbIPList_);
  bDel_ = BitmapButton("bDel", "Delete", QIcon(), QString::fromUtf8("\u2212"), gbIPList_);
  bUp_ = BitmapButton("bUp", "Move Up", style()->standardIcon(QStyle::SP_ArrowUp), "^", gbIPList_);
  bDn_ =
      BitmapButton("bDn", "Move Down", style()->standardIcon(QStyle::SP_ArrowDown), "v", gbIPList_);

  bScan_ = new QPushButton("Net &Scan", gbIPList_);
  bScan_->setObjectName("bScan");
  bScan_->setToolTip("Scan Class C subnet for Zavomax Terminals");
  progBar_ = new QProgressBar(gbIPList_);
  progBar_->setObjectName("ProgBar");
  progBar_->setRange(0, SubnetScanner::kLastHost);
  progBar_->setValue(0);
  progBar_->setTextVisible(false);
  progBar_->setVisible(false);
  lCurrentIP_ = new QLabel(gbIPList_);
  lCurrentIP_->setObjectName("lCurrentIP");
  shLED_ = new QFrame(gbIPList_);
  shLED_->setObjectName("shLED");
  shLED_->setFixedSize(8, 16);
  shLED_->setVisible(false);
  // The lamp blinks at every address and the bar comes and goes with the
  // scan: both keep their room, so the address and the list do not jump.
  for (QWidget* w : {static_cast<QWidget*>(progBar_), static_cast<QWidget*>(shLED_)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }

  auto* fields = new QGridLayout;
  fields->addWidget(lName, 0, 0);
  fields->addWidget(eName_, 0, 1);
  fields->addWidget(lIP, 1, 0);
  fields->addWidget(eIP_, 1, 1);
  auto* buttons = new QVBoxLayout;
  for (QToolButton* b : {bAdd_, bDel_, bUp_, bDn_}) buttons->addWidget(b);
  buttons->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(lvIPs_);
  listRow->addLayout(buttons);
  auto* scanRow = new QHBoxLayout;
  scanRow->addWidget(bScan_);
  scanRow->addWidget(shLED_);
  scanRow->addWidget(lCurrentIP_, 1);
  auto* ipGroup = new QVBoxLayout(gbIPList_);
  ipGroup->addLayout(fields);
  ipGroup->addLayout(listRow);
  ipGroup->addLayout(scanRow);
  ipGroup->addWidget(progBar_);

  // The profile group: label grid, refresh interval and print port.
  gbVars_ = new QGroupBox(" Zav I/O Variable Labels  ", this);
  gbVars_->setObjectName("gbVars");
  grid_ = new QTableWidget(4, 2, gbVars_);
  grid_->setObjectName("Grid");
  grid_->setToolTip("I/O Variables for Selected Zav");
  grid_->setHorizontalHeaderLabels({"Inputs", "Outputs"});
  grid_->setVerticalHeaderLabels({"1", "2", "3", "4"});
  grid_->verticalHeader()->setFixedWidth(20);
  grid_->horizontalHeader()->setSectionsClickable(false);
  grid_->verticalHeader()->setSectionsClickable(false);
  grid_->setColumnWidth(0, 91);
  grid_->setColumnWidth(1, 91);
  grid_->setItemDelegate(new FieldDelegate(0, 0, grid_));
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c) grid_->setItem(r, c, new QTableWidgetItem);
  grid_->setEnabled(false);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setFixedWidth(20 + 91 + 91 + 2 * grid_->frameWidth());
  grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                        grid_->verticalHeader()->length() + 2 * grid_->frameWidth());

  auto* lUpdFrq = new QLabel("Zav &Refresh (msec)", gbVars_);
  lUpdFrq->setObjectName("lUpdFrq");
  udUpdFrq_ = new QSpinBox(gbVars_);
  udUpdFrq_->setObjectName("udUpdFrq");
  udUpdFrq_->setToolTip("Update frequency for selected Zavo display");
  udUpdFrq_->setRange(100, TerminalListEditor::kRefreshMaximum);
  udUpdFrq_->setSingleStep(25);
  udUpdFrq_->setValue(100);
  udUpdFrq_->setWrapping(false);
  udUpdFrq_->setGroupSeparatorShown(false);
  if (auto* eUpdFrq = udUpdFrq_->findChild<QLineEdit*>()) eUpdFrq->setObjectName("eUpdFrq");
  lUpdFrq->setBuddy(udUpdFrq_);
  auto* lPrnPort = new QLabel("Zav &LPrint Port", gbVars_);
  lPrnPort->setObjectName("lPrnPort");
  ePrnPort_ = new QLineEdit("1749", gbVars_);
  ePrnPort_->setObjectName("ePrnPort");
  ePrnPort_->setToolTip("Port for Selected Zav's Virtual Printer");
  lPrnPort->setBuddy(ePrnPort_);

  auto* vars = new QGridLayout(gbVars_);
  vars->addWidget(grid_, 0, 0, 1, 2);
  vars->addWidget(lUpdFrq, 1, 0);
  vars->addWidget(udUpdFrq_, 1, 1);
  vars->addWidget(lPrnPort, 2, 0);
  vars->addWidget(ePrnPort_, 2, 1);

  ckHints_ = new QCheckBox("Show &hints", this);
  ckHints_->setObjectName("ckHints");
  ckHints_->setToolTip("Enable/Disable Hints");
  ckHints_->setChecked(true);
  ckKeypad_ = new QCheckBox("&Enable keypad", this);
  ckKeypad_->setObjectName("ckKeypad");
  ckKeypad_->setToolTip("Enable/Disable Keypad");
  ckKeypad_->setChecked(false);
  bOK_ = new QPushButton("&OK", this);
  bOK_->setObjectName("bOK");

  auto* options = new QVBoxLayout;
  options->addWidget(gbVars_);
  options->addWidget(ckHints_);
  options->addWidget(ckKeypad_);
  options->addStretch();
  options->addWidget(bOK_, 0, Qt::AlignRight);
  auto* top = new QHBoxLayout(this);
  top->addWidget(gbIPList_);
  top->addLayout(options);

  // Enter and Escape belong to the fields and the list, never to a default button.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

  connect(lvIPs_, &QTreeWidget::itemClicked, this, [this] { lvIPsClick(); });
  connect(lvIPs_, &QTreeWidget::itemSelectionChanged, this, [this] { lvIPsSelectItem(); });
  connect(lvIPs_, &QTreeWidget::itemDoubleClicked, this, [this] { lvIPsDblClick(); });
  connect(lvIPs_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
    lvIPsEdited(lvIPs_->indexOfTopLevelItem(item), column);
  });
  connect(eName_, &QLineEdit::textChanged, this, [this] { eNameChange(); });
  connect(eIP_, &QLineEdit::textChanged, this, [this] { eIPChange(); });
  connect(bAdd_, &QToolButton::clicked, this, [this] { Run([this] { editor_.Add(); }); });
  connect(bDel_, &QToolButton::clicked, this, [this] { Run([this] { editor_.Delete(); }); });
  connect(bUp_, &QToolButton::clicked, this, [this] { Run([this] { editor_.MoveUp(); }); });
  connect(bDn_, &QToolButton::clicked, this, [this] { Run([this] { editor_.MoveDown(); }); });
  connect(grid_, &QTableWidget::cellChanged, this,
          [this](int row, int column) { GridEdited(row, column); });
  connect(udUpdFrq_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!drawing_) editor_.SetRefreshPosition(v);
  });
  connect(ePrnPort_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (!drawing_) editor_.SetPortText(t.toStdString());
  });
  connect(ckHints_, &QCheckBox::toggled, this, [this](bool on) { ckHintsClick(on); });
  connect(ckKeypad_, &QCheckBox::toggled, this, [this](bool on) {
    if (!drawing_) editor_.SetKeypadEnabled(on);
  });
  connect(bOK_, &QPushButton::clicked, this, [this] { bOKClick(); });
  connect(bScan_, &QPushButton::clicked, this, [this] { bScanClick(); });

  lvIPs_->installEventFilter(this);
  eName_->installEventFilter(this);
  eIP_->installEventFilter(this);

  hints_ = new ToolTipSwitch(this);
  hints_->Attach(this);
}

TfSettings::~TfSettings() {
  socket_.SetScanner(nullptr);
}

bool TfSettings::ExecModal() {
  return exec() == QDialog::Accepted;
}

void TfSettings::SetShowHints(bool on) {
  hints_->SetShown(on);
}

void TfSettings::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TfSettings::done(int result) {
  // A scan still running ends at its next address; the dialog is gone.
  scanner_.RequestStop();
  socket_.Abandon();
  QDialog::done(result);
  FormClose();
}

void TfSettings::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      e->accept();
      return;
    default:
      QDialog::keyPressEvent(e);
  }
}

bool TfSettings::eventFilter(QObject* watched, QEvent* event) {
  const bool field = watched == eName_ || watched == eIP_;
  if (field && event->type() == QEvent::MouseButtonPress) {
    Run([this] { editor_.FieldChange(); });
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == lvIPs_) return lvIPsKeyDown(key);
    if (watched == eName_) return eNameKeyPress(key);
    if (watched == eIP_) return eIPKeyPress(key);
  }
  return QDialog::eventFilter(watched, event);
}

void TfSettings::FormShow() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  main_.StopPoll();
  main_.SetWeightText("-------");
  main_.SetDisplayText("Editing Settings");
  main_.EnableKeypad(false);
  try {
    if (const auto wait = editor_.Open(main_.Left(), main_.Top()))
      subnet_.SetTimeoutPosition(*wait);
  } catch (const std::exception& e) {
    Redraw();
    QApplication::restoreOverrideCursor();
    ShowError(e);
    return;
  }
  Redraw();
  QApplication::restoreOverrideCursor();
}

void TfSettings::FormClose() {
  main_.EnableKeypad(true);
  main_.StartPoll();
  main_.FocusInput();
}

template <typename Op>
void TfSettings::Run(Op&& op) {
  if (drawing_) return;
  try {
    ReadSelection();
    op();
  } catch (const std::exception& e) {
    Redraw();
    ShowError(e);
    return;
  }
  Redraw();
}

void TfSettings::lvIPsClick() {
  Run([this] { editor_.EntryChange(); });
}

void TfSettings::lvIPsSelectItem() {
  Run([this] { editor_.EntryChange(); });
}

void TfSettings::lvIPsDblClick() {
  Run([this] { editor_.TakeOut(); });
}

bool TfSettings::lvIPsKeyDown(QKeyEvent* e) {
  using Key = TerminalListEditor::ListKey;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  Key key = Key::Other;
  if (ctrl && e->key() == Qt::Key_Up)
    key = Key::CtrlUp;
  else if (ctrl && e->key() == Qt::Key_Down)
    key = Key::CtrlDown;
  else if (e->key() == Qt::Key_Delete)
    key = Key::Delete;
  else if (e->key() == Qt::Key_F2)
    key = Key::F2;
  if (key == Key::Other) return false;
  auto result = TerminalListEditor::KeyResult::Swallowed;
  Run([&] { result = editor_.ListKeyDown(key); });
  if (result == TerminalListEditor::KeyResult::StartRename) {
    if (QTreeWidgetItem* item = lvIPs_->topLevelItem(editor_.focused())) lvIPs_->editItem(item, 0);
  }
  return true;
}

void TfSettings::lvIPsEdited(int row, int column) {
  if (drawing_ || column != 0 || row < 0) return;
  const std::string typed = lvIPs_->topLevelItem(row)->text(0).toStdString();
  Run([&] { editor_.RenameEntry(row, typed); });
}

void TfSettings::eNameChange() {
  const std::string text = eName_->text().toStdString();
  Run([&] { editor_.SetNameText(text); });
}

void TfSettings::eIPChange() {
  const std::string text = eIP_->IsBlank() ? std::string() : eIP_->FieldText();
  Run([&] { editor_.SetAddressText(text); });
}

bool TfSettings::eNameKeyPress(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (!enter && e->text() != "+") return false;
  bool swallowed = false;
  Run([&] { swallowed = editor_.NameKeyPress(enter ? '\r' : '+'); });
  return swallowed;
}

bool TfSettings::eIPKeyPress(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (!enter && e->text() != "+") return false;
  Run([&] { editor_.AddressKeyPress(enter ? '\r' : '+'); });
  return true;
}

void TfSettings::GridEdited(int row, int column) {
  if (drawing_) return;
  const std::string text = grid_->item(row, column)->text().toStdString();
  Run([&] { editor_.SetLabel(column + 1, row + 1, text); });
}

void TfSettings::ckHintsClick(bool on) {
  editor_.SetShowHints(on);
  hints_->SetShown(on);
  if (chartSettings_) chartSettings_->SetShowHints(on);
}

void TfSettings::bOKClick() {
  try {
    editor_.Ok(main_.CurrentTerminal(), subnet_.TimeoutPosition());
  } catch (const std::exception& e) {
    ShowError(e);
    return;
  }
  accept();
}

void TfSettings::bScanClick() {
  if (scanner_.Active()) {
    scanner_.RequestStop();
    return;
  }
  if (subnet_.exec() != QDialog::Accepted) return;
  const std::string prefix = subnet_.SubnetText();
  if (!SubnetScanner::IsCompletePrefix(prefix)) return;
  try {
    scanner_.Run(prefix, [this] { return subnet_.TimeoutPosition(); });
  } catch (const std::exception& e) {
    ShowError(e);
  }
}

void TfSettings::ReadSelection() {
  const int count = lvIPs_->topLevelItemCount();
  std::vector<bool> selected(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    selected[static_cast<size_t>(i)] = lvIPs_->topLevelItem(i)->isSelected();
  QTreeWidgetItem* current = lvIPs_->currentItem();
  editor_.SetSelection(selected, current ? lvIPs_->indexOfTopLevelItem(current) : -1);
}

void TfSettings::Redraw() {
  drawing_ = true;
  RedrawList();
  const TerminalListEditor::Enabled& on = editor_.enabled();
  SetTextIfChanged(eName_, editor_.nameText());
  const std::string& address = editor_.addressText();
  const bool sameAddress = address.empty() ? eIP_->IsBlank() : eIP_->FieldText() == address;
  if (!sameAddress) eIP_->setText(Q(address));
  eName_->setEnabled(on.fields);
  eIP_->setEnabled(on.fields);
  bAdd_->setEnabled(on.add);
  bDel_->setEnabled(on.del);
  bUp_->setEnabled(on.up);
  bDn_->setEnabled(on.down);

  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c) {
      QTableWidgetItem* cell = grid_->item(r, c);
      const QString text = Q(editor_.label(c + 1, r + 1));
      if (cell->text() != text) cell->setText(text);
    }
  grid_->setEnabled(on.grid);
  const TerminalListEditor::RefreshControl& refresh = editor_.refresh();
  udUpdFrq_->setRange(refresh.minimum, refresh.maximum);
  udUpdFrq_->setSingleStep(refresh.step);
  udUpdFrq_->setValue(refresh.position);
  SetTextIfChanged(ePrnPort_, editor_.portText());
  ckKeypad_->setChecked(editor_.keypadEnabled());
  drawing_ = false;
  // Its click handling runs, as an operator's click would, when it changes.
  ckHints_->setChecked(editor_.showHints());

  switch (editor_.TakeFocusRequest()) {
    case TerminalListEditor::Focus::NameField:
      (on.fields ? static_cast<QWidget*>(eName_) : lvIPs_)->setFocus();
      break;
    case TerminalListEditor::Focus::List:
      lvIPs_->setFocus();
      break;
    case TerminalListEditor::Focus::Unchanged:
      break;
  }
}

void TfSettings::RedrawList() {
  const std::vector<TerminalEntry> entries = editor_.entries();
  if (lvIPs_->topLevelItemCount() != static_cast<int>(entries.size())) {
    lvIPs_->clear();
    for (const TerminalEntry& entry : entries) {
      auto* item = new QTreeWidgetItem({Q(entry.name), Q(entry.address)});
      item->setIcon(0, imgLst_);
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
      lvIPs_->addTopLevelItem(item);
    }
  }
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    QTreeWidgetItem* item = lvIPs_->topLevelItem(i);
    const TerminalEntry& entry = entries[static_cast<size_t>(i)];
    if (item->text(0) != Q(entry.name)) item->setText(0, Q(entry.name));
    if (item->text(1) != Q(entry.address)) item->setText(1, Q(entry.address));
    if (item->isSelected() != editor_.IsSelected(i)) item->setSelected(editor_.IsSelected(i));
  }
  const int focused = editor_.focused();
  QModelIndex current;
  if (focused >= 0) current = lvIPs_->model()->index(focused, 0);
  if (lvIPs_->currentIndex() != current)
    lvIPs_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void TfSettings::ShowError(const std::exception& e) {
  QMessageBox::critical(this, QApplication::applicationDisplayName(),
                        QString::fromStdString(e.what()));
}

void TfSettings::ScanStarted() {
  progBar_->setVisible(true);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  bScan_->setText("&Stop");
}

void TfSettings::Trying(const std::string& plainAddress) {
  lCurrentIP_->setText(Q(plainAddress));
}

void TfSettings::Lamp(ScanLamp state) {
  switch (state) {
    case ScanLamp::Hidden:
      shLED_->setVisible(false);
      return;
    case ScanLamp::Green:
      shLED_->setStyleSheet("background-color: #00ff00; border: 1px solid #008000;");
      break;
    case ScanLamp::Red:
      shLED_->setStyleSheet("background-color: #ff0000; border: 1px solid #ff0000;");
      break;
  }
  shLED_->setVisible(true);
}

void TfSettings::Progress(int addressesTried) {
  progBar_->setValue(addressesTried);
}

void TfSettings::ListChanged() {
  Redraw();
}

void TfSettings::ScanEnded() {
  progBar_->setVisible(false);
  progBar_->setValue(0);
  bScan_->setText("Net &Scan");
  lCurrentIP_->clear();
  QApplication::restoreOverrideCursor();
  bScan_->setEnabled(true);
}

}  // namespace zavo
