// TFormKorvane: the window's parts and their wiring, and FormCreate.
#include "app/ui/FormKorvane.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/FormSettings.h"
#include "app/ui/ToolIcons.h"
#include "base/FileIO.h"
#include "controls/ui/EntryGrid.h"
#include "costs/CostFile.h"
#include "costs/MakerFolders.h"
#include "desktop/DeferredPage.h"
#include "desktop/DesktopDialogs.h"
#include "desktop/KorvaneSettings.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/ProgramVersion.h"
#include "desktop/WindowPlacement.h"

namespace korvane {

namespace {

// The form was laid out for an 8-point face 13 pixels high; pixel sizes grow
// with the platform's font so no caption or value is clipped.
double FontScale(const QWidget &w) {
  return std::max(1.0, w.fontMetrics().height() / 13.0);
}

} // namespace

TFormKorvane::TFormKorvane(TKorvaneWorld &world, TFormKorvaneServices services, QWidget *parent)
    : QMainWindow(parent), world_(world), services_(std::move(services)) {
  setObjectName(QStringLiteral("FormKorvane"));
  // A sizeable window with its system menu and a minimise box, no maximise:
  // the grids have nothing to show in a larger window.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  if (!services_.Messages)
    boxSink_ = std::make_unique<TMessageBoxSink>(this);
  messages_ = services_.Messages ? services_.Messages : boxSink_.get();
  dialogs_ = &DialogsOf(services_);

  createActions();
  createToolBar();
  createPages();
  FormCreate();
  created_ = true;
}

TFormKorvane::~TFormKorvane() = default;

// ---- the parts ---------------------------------------------------------------

void TFormKorvane::createActions() {
  auto make = [this](const QString &caption, const QString &hint, TToolGlyph glyph) {
    auto *action = new QAction(ToolIcon(glyph), caption, this);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
  };
  ActionOpen = make(QStringLiteral("&Open"), QStringLiteral("Open file..."), TToolGlyph::Open);
  ActionSave = make(QStringLiteral("&Save"), QStringLiteral("Save file..."), TToolGlyph::Save);
  ActionSave->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
  ActionCopy =
      make(QStringLiteral("&Copy"), QStringLiteral("Copy file to Clipboard..."), TToolGlyph::Copy);
  ActionSolve = make(QStringLiteral("&Solve"), QStringLiteral("Solve..."), TToolGlyph::Solve);
  ActionSolve->setShortcut(QKeySequence(Qt::Key_F9));
  ActionReport = make(QStringLiteral("&Report"), QStringLiteral("Report..."), TToolGlyph::Copy);
  HelpAction = make(QStringLiteral("&Help"), QStringLiteral("Help..."), TToolGlyph::Help);
  ActionClose = make(QStringLiteral("&Close"), QStringLiteral("Close..."), TToolGlyph::Close);
  ButtonSolveAction = make(QStringLiteral("&Solve"), QStringLiteral("Solve..."), TToolGlyph::Solve);

  onTriggered(ActionOpen, &TFormKorvane::ActionOpenExecute);
  onTriggered(ActionSave, &TFormKorvane::ActionSaveExecute);
  onTriggered(ActionCopy, &TFormKorvane::ActionCopyExecute);
  onTriggered(ActionSolve, &TFormKorvane::ActionSolveExecute);
  onTriggered(HelpAction, &TFormKorvane::HelpActionExecute);
  onTriggered(ActionClose, &TFormKorvane::ActionCloseExecute);
  onTriggered(ButtonSolveAction, &TFormKorvane::ButtonSolveClick);
  // F9 works wherever the focus is in the window, with no button of its own.
  addAction(ActionSolve);

  PopupMenu1 = new QMenu(this);
  Help1 = HelpAction;
  PopupMenu1->addAction(Help1);
  emailTarnwell1 = PopupMenu1->addAction(QStringLiteral("&Tarnwell Direct"));
  onTriggered(emailTarnwell1, &TFormKorvane::EmailTarnwellExecute);
  PopupMenu1->addSeparator();
  About1 = PopupMenu1->addAction(QStringLiteral("&About"));
  onTriggered(About1, &TFormKorvane::AboutExecute);
  // Opening the drop-down is leaving the grid, even before a choice.
  connect(PopupMenu1, &QMenu::aboutToShow, this, &TFormKorvane::CommitEdits);
}

void TFormKorvane::onTriggered(QAction *action, void (TFormKorvane::*handler)()) {
  // Tool buttons and shortcuts take no focus, so an open edit would stay
  // open: every action commits it first and then acts on the stored value.
  connect(action, &QAction::triggered, this, [this, handler] {
    CommitEdits();
    (this->*handler)();
  });
}

void TFormKorvane::createToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->toggleViewAction()->setEnabled(false);
  ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(ToolBar1);
  auto button = [this](QAction *action) {
    ToolBar1->addAction(action);
    return qobject_cast<QToolButton *>(ToolBar1->widgetForAction(action));
  };
  ButtonOpen = button(ActionOpen);
  ButtonSave = button(ActionSave);
  ButtonCopy = button(ActionCopy);
  ButtonSolve = button(ButtonSolveAction);
  ButtonSolve->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ButtonReport = button(ActionReport);
  ActionReport->setVisible(false);

  ToolButton1 = new QToolButton(ToolBar1);
  ToolButton1->setDefaultAction(HelpAction);
  ToolButton1->setMenu(PopupMenu1);
  ToolButton1->setPopupMode(QToolButton::MenuButtonPopup);
  ToolBar1->addWidget(ToolButton1);
  ButtonClose = button(ActionClose);
  for (QToolButton *b :
       {ButtonOpen, ButtonSave, ButtonCopy, ButtonSolve, ButtonReport, ToolButton1, ButtonClose})
    b->setFocusPolicy(Qt::NoFocus);
}

void TFormKorvane::configureGrid(TEntryGrid &grid) {
  const QPalette pal = palette();
  grid.SetBorderStyle(TBorderStyle::bsNone);
  grid.SetColor(pal.color(QPalette::Button));
  grid.SetFixedColor(pal.color(QPalette::Button));
  grid.SetColCount(3);
  grid.SetDefaultColWidth(60);
  grid.SetDefaultColFormatStr("%S");
  grid.SetDefaultRowHeight(static_cast<int>(std::lround(16 * FontScale(*this))));
  grid.SetFixedCols(0);
  grid.SetRowCount(2);
  grid.SetOptions(xgoFixedVertLine | xgoFixedHorzLine | xgoVertLine | xgoHorzLine | xgoRangeSelect |
                  xgoColSizing | xgoEditing);
  grid.SetScrollBars(TScrollStyle::ssNone);
  grid.SetAlwaysShowCell(false);
  grid.SetDelim(';');
  // The value column white on a button-face grid.
  grid.SetColorEditCol(pal.color(QPalette::Base));
  grid.SetColorEditMode(pal.color(QPalette::Base));
  grid.SetColorEditModeText(pal.color(QPalette::Text));
}

void TFormKorvane::createPages() {
  auto *client = new QWidget(this);
  auto *column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  Panel1 = new QWidget(client);
  auto *panelRow = new QHBoxLayout(Panel1);
  panelRow->setContentsMargins(2, 2, 2, 2);
  ComboDuctType = new QComboBox(Panel1);
  ComboDuctType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboDuctType->setMinimumContentsLength(10);
  panelRow->addWidget(ComboDuctType);
  column->addWidget(Panel1);

  PageControl1 = new QTabWidget(client);
  PageControl1->setDocumentMode(true);
  auto page = [this](const QString &caption, QWidget *content) {
    auto *sheet = new QWidget(PageControl1);
    auto *fill = new QVBoxLayout(sheet);
    fill->setContentsMargins(0, 0, 0, 0);
    content->setParent(sheet);
    fill->addWidget(content);
    PageControl1->addTab(sheet, caption);
    return sheet;
  };
  GridDimensions = new TEntryGrid(*messages_);
  GridDimensions->setObjectName(QStringLiteral("GridDimensions"));
  configureGrid(*GridDimensions);
  TabSheet1 = page(QStringLiteral("Dimensions"), GridDimensions);
  // The Options and Details pages are built when first chosen or asked for;
  // until then the world holds the options.
  optionsPage_ = new TDeferredPage([this](QWidget *sheet) { return buildOptions(sheet); });
  PageControl1->addTab(optionsPage_, QStringLiteral("Options"));
  TabSheet2 = optionsPage_;
  detailsPage_ = new TDeferredPage([this](QWidget *sheet) {
    memo_ = new QPlainTextEdit(sheet);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    // A report rewritten on every change has nothing to undo.
    memo_->setUndoRedoEnabled(false);
    memo_->setFrameStyle(QFrame::NoFrame);
    showDetails();
    return memo_;
  });
  PageControl1->addTab(detailsPage_, QStringLiteral("Details"));
  TabSheet3 = detailsPage_;
  column->addWidget(PageControl1, 1);
  setCentralWidget(client);

  StatusBar1 = new QStatusBar(this);
  StatusPanel = new QLabel(QStringLiteral("Ready..."), StatusBar1);
  StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
  StatusBar1->addWidget(StatusPanel, 1);
  setStatusBar(StatusBar1);

  GridDimensions->installEventFilter(this);
  GridDimensions->OnDoSetData = [this](QObject *, int c, int r) { GridDimensionsDoSetData(c, r); };
  connect(ComboDuctType, &QComboBox::currentIndexChanged, this, [this] {
    if (!created_)
      return;
    // The wheel changes the type without taking the focus: the edit of the
    // type still shown is stored with that type before the grid changes.
    CommitEdits();
    ComboDuctTypeChange();
  });
}

TEntryGrid *TFormKorvane::buildOptions(QWidget *sheet) {
  optionsGrid_ = new TEntryGrid(*messages_, sheet);
  TEntryGrid &grid = *optionsGrid_;
  grid.setObjectName(QStringLiteral("GridOptions"));
  configureGrid(grid);
  const double scale = FontScale(*this);
  auto px = [scale](int design) { return static_cast<int>(std::lround(design * scale)); };
  // The option captions are short: their column needs no more than they do,
  // which leaves the cost file's name room to show.
  int captionWidth = 0;
  for (const char *caption : {"Property", "Cost File", "Erection", "Brackets"})
    captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(QLatin1String(caption)));
  grid.SetColWidths(0, std::min(px(100), captionWidth + px(10)));
  grid.SetColWidths(1, px(125));
  grid.SetColCount(2);
  grid.SetLines(OptionRowSpecs());
  const TEngineSettings &settings = world_.Engine.settings;
  grid.SetData(1, 1, Variant(world_.CostFileName));
  grid.SetData(1, 2, Variant(std::int32_t{settings.ErectionIncluded ? 1 : 0}));
  grid.SetData(1, 3, Variant(std::int32_t{settings.BracketsIncluded ? 1 : 0}));
  grid.SetPropertyEditor(1, [this](Variant &value) { return EditCostFile(value); });
  grid.installEventFilter(this);
  grid.OnDoSetData = [this](QObject *, int c, int r) { GridOptionsDoSetData(c, r); };
  return optionsGrid_;
}

TEntryGrid *TFormKorvane::GridOptions() {
  optionsPage_->Content();
  return optionsGrid_;
}

QPlainTextEdit *TFormKorvane::Memo1() {
  detailsPage_->Content();
  return memo_;
}

QSize TFormKorvane::designSize() const {
  const double scale = FontScale(*this);
  return {std::max(kMinWidth, static_cast<int>(std::lround(kDesignClientWidth * scale))),
          std::max(kMinHeight, static_cast<int>(std::lround(kDesignClientHeight * scale)))};
}

void TFormKorvane::applyFormSettings() {
  const QSize design = designSize();
  setMinimumSize(design);
  TFormSettings defaults;
  defaults.Width = design.width();
  defaults.Height = design.height();
  const QString file = SettingsFileOf(services_);
  const TFormSettings settings = ReadFormSettings(file, defaults);
  world_.LastCostFile = settings.LastCostFile.toStdString();
  resize(std::max(settings.Width, design.width()), std::max(settings.Height, design.height()));
  move(KeepOnDesktop(QRect(QPoint(settings.Left, settings.Top), size())).topLeft());
}

// ---- FormCreate ----------------------------------------------------------------

void TFormKorvane::FormCreate() {
  applyFormSettings();
  setWindowTitle(ProductCaption());

  // The first argument names a cost file; one that does not exist gives
  // way to the last cost file, which stays what is saved at exit.
  world_.CostFileName = world_.LastCostFile;
  if (!services_.Arguments.isEmpty() && !services_.Arguments.constFirst().isEmpty())
    world_.CostFileName = services_.Arguments.constFirst().toStdString();
  if (!FileExists(FromProgramDir(services_.ProgramDir.toStdString(), world_.CostFileName)))
    world_.CostFileName = world_.LastCostFile;
  world_.CurrentCosts = DefaultCosts();
  loadCostFile();

  ComboDuctType->clear();
  for (const TDuctTypeRec &type : DuctTypes)
    ComboDuctType->addItem(QString::fromUtf8(type.Name.data(), static_cast<int>(type.Name.size())));
  world_.Catalogue.CurrentType = 0;
  ComboDuctType->setCurrentIndex(0);

  world_.ItemFileName = "Default.kvd";
  // Every start prices without erection and brackets.
  world_.Engine.settings.ErectionIncluded = false;
  world_.Engine.settings.BracketsIncluded = false;

  const double scale = FontScale(*this);
  auto px = [scale](int design) { return static_cast<int>(std::lround(design * scale)); };
  GridDimensions->SetColWidths(0, px(80));
  GridDimensions->SetColWidths(1, px(100));
  GridDimensions->SetColWidths(2, px(45));
  ShowCurrentType();
}

void TFormKorvane::fitValueColumn(TEntryGrid &grid) {
  if (grid.ColCount() < 2)
    return;
  int others = 0;
  for (int c = 0; c < grid.ColCount(); ++c)
    if (c != 1)
      others += grid.ColWidths(c) + grid.GridLineWidth();
  // The widget's own size: on a resize the viewport has not followed yet.
  const int room = grid.contentsRect().width() - others - grid.GridLineWidth();
  if (room > 0 && room != grid.ColWidths(1))
    grid.SetColWidths(1, room);
}

bool TFormKorvane::eventFilter(QObject *watched, QEvent *e) {
  if (e->type() == QEvent::Resize) {
    if (watched == GridDimensions)
      fitValueColumn(*GridDimensions);
    else if (watched == optionsGrid_)
      fitValueColumn(*optionsGrid_);
  }
  return QMainWindow::eventFilter(watched, e);
}

bool TFormKorvane::loadCostFile() {
  // The remembered name may be relative ("../Data Files/Default.cst"): to
  // the program's folder, never to the folder the program was started in.
  return LoadCostFile(FromProgramDir(services_.ProgramDir.toStdString(), world_.CostFileName),
                      world_.CurrentCosts, *messages_);
}

} // namespace korvane
