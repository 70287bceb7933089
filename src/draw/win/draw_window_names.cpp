// The draw window's draws of several names and its prize rounds: the names
// in a grid in the text line's area (painted by one view while they flip,
// label windows once the draw stops), the round's title in the caption, the
// count and rounds switches in the configuration file, and the winners'
// window.
#include <algorithm>

#include "draw/core/name_grid.h"
#include "draw/core/text_fit.h"
#include "draw/win/draw_controls.h"
#include "draw/win/draw_window.h"
#include "draw/win/history_file.h"
#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/message_box.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kCountNotSaved[] = L"“每次抽取人数”未能保存到配置文件rvoconfig.rcf,这一选择只在本次运行中有效";
constexpr wchar_t kRoundsNotSaved[] = L"“按奖项抽取”未能保存到配置文件rvoconfig.rcf,这一选择只在本次运行中有效";
// The share of the grid's size the names start from, so that a name a
// little wider than the measured longest one rarely needs a font of its own.
constexpr float kGridFontMargin = 0.96f;

std::wstring_view WideName(std::u16string_view name) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return {reinterpret_cast<const wchar_t*>(name.data()), name.size()};
}

}  // namespace

void DrawWindow::NamesLoaded() {
  HideNameGrid();
  grid_.reset();
  longestName_.reset();
}

void DrawWindow::LayOutNameGrid(std::size_t count) {
  RECT content{};
  GetClientRect(Content().Handle(), &content);
  // From under the caption (or the text line's top, when the line stands
  // higher) down to the command buttons, the content's width.
  const PointF place = fittedText_.ConfiguredPlace();
  const FontSpec font = fittedText_.ConfiguredFont();
  int top = static_cast<int>(place.y);
  const RECT caption = CaptionLabel().Bounds();
  if (IsWindowVisible(CaptionLabel().Handle()) && caption.bottom <= top + 1) top = caption.bottom;
  int bottom = content.bottom;
  if (IsWindowVisible(commandButtons_[0].Handle())) {
    RECT button{};
    GetWindowRect(commandButtons_[0].Handle(), &button);
    MapWindowPoints(nullptr, Content().Handle(), reinterpret_cast<POINT*>(&button), 2);
    bottom = std::min<int>(bottom, button.top);
  }
  top = std::clamp<int>(top, 0, static_cast<int>(content.bottom));
  const int margin = static_cast<int>(Scale().ToDevice(6.0f));
  gridOrigin_ = {margin, top};
  const ravelo::Size area{std::max(1, static_cast<int>(content.right) - 2 * margin), std::max(1, bottom - top)};

  if (!longestName_) {
    // The list's longest name at the configured font stands for every name.
    std::size_t longest = 0;
    for (std::size_t i = 1; i < names_.size(); ++i)
      if (names_[i].size() > names_[longest].size()) longest = i;
    longestName_ = names_.size() == 0 ? ravelo::Size{1, 1} : TextLine().Measure(WideName(names_[longest]), font);
  }
  const int cells = static_cast<int>(count);
  // Half a character's room between names side by side.
  const ravelo::Size spaced{longestName_->width + longestName_->height / 2, longestName_->height};
  const draw::NameGrid grid = draw::ChooseNameGrid(cells, area, spaced);
  gridCells_ = draw::NameGridCells(grid, cells, area);
  const double cellWidth = static_cast<double>(area.width) / grid.columns;
  const double cellHeight = static_cast<double>(area.height) / grid.rows;
  const double share =
      std::min({1.0, cellWidth / std::max(1, spaced.width), cellHeight / std::max(1, spaced.height)});
  gridFont_ = font;
  gridFont_.points = std::max(draw::kSmallestFittingPoints, static_cast<float>(font.points * share) * kGridFontMargin);
  grid_ = count;
  if (!gridView_.Handle()) gridView_.Create(Content().Handle(), draw_controls::kNameGrid, Content());
  gridView_.Place({gridOrigin_.x, gridOrigin_.y, gridOrigin_.x + area.width, gridOrigin_.y + area.height},
                  Content().Canvas().Scale().Dpi());
}

std::vector<NameGridView::Name> DrawWindow::PlaceNames(const std::vector<std::size_t>& indices) {
  std::vector<NameGridView::Name> placed;
  placed.reserve(indices.size());
  const float lineHeight = static_cast<float>(longestName_->height) *
                           (gridFont_.points / std::max(1.0f, fittedText_.ConfiguredFont().points));
  for (std::size_t i = 0; i < indices.size() && i < gridCells_.size(); ++i) {
    if (indices[i] >= names_.size()) continue;
    const std::wstring_view name = WideName(names_[indices[i]]);
    const ravelo::Rect& cell = gridCells_[i];
    // As a single name is fitted, in its cell: centred there, shrunk only
    // when it does not fit at the grid's size.
    ravelo::Size size{};
    const draw::TextLineFit fit = draw::FitTextLine(
        {{0.0f, (static_cast<float>(cell.height) - lineHeight) / 2.0f}, gridFont_.points,
         static_cast<float>(cell.width) / 2.0f},
        {cell.width, cell.height}, [&](float points) {
          FontSpec font = gridFont_;
          font.points = points;
          return size = TextLine().Measure(name, font);
        });
    FontSpec font = gridFont_;
    font.points = fit.points;
    const int left = PixelOf(static_cast<float>(gridOrigin_.x + cell.left) + fit.place.x);
    const int top = PixelOf(static_cast<float>(gridOrigin_.y + cell.top) + fit.place.y);
    placed.push_back({std::wstring(name), font, {left, top, left + size.width, top + size.height}});
  }
  return placed;
}

void DrawWindow::ShowNames(const std::vector<std::size_t>& indices) {
  const std::size_t count = std::min(indices.size(), nameCells_.size());
  if (count == 0) return;
  if (grid_ != count) LayOutNameGrid(count);
  if (IsWindowVisible(TextLine().Handle())) ShowWindow(TextLine().Handle(), SW_HIDE);
  if (!flipping_) HideNameLabels();
  flipping_ = true;
  gridIndices_.assign(indices.begin(), indices.begin() + static_cast<std::ptrdiff_t>(count));
  gridView_.Show(PlaceNames(gridIndices_), TextLine().Colour());
}

void DrawWindow::FixNames() {
  if (!flipping_) return;
  flipping_ = false;
  ShowNameLabels(PlaceNames(gridIndices_));
  gridView_.Hide();
}

void DrawWindow::ShowNameLabels(const std::vector<NameGridView::Name>& placed) {
  std::size_t shown = 0;
  for (const NameGridView::Name& name : placed) {
    TextLabel& label = nameCells_[shown];
    if (!label.Handle()) {
      TextLabel::InitialState initial;
      initial.font = name.font;
      if (!label.Create(Content().Canvas(), draw_controls::kFirstNameCell + static_cast<int>(shown), initial)) break;
      AccessibleDescription readAsText;  // each drawn name, as the text line
      readAsText.role = ROLE_SYSTEM_STATICTEXT;
      readAsText.focusable = false;
      label.DescribeForScreenReaders(std::move(readAsText));
    }
    label.SetColour(TextLine().Colour());
    label.Show(name.text, name.font, {static_cast<float>(name.bounds.left), static_cast<float>(name.bounds.top)});
    if (!IsWindowVisible(label.Handle())) ShowWindow(label.Handle(), SW_SHOWNA);
    ++shown;
  }
  for (std::size_t i = shown; i < nameCells_.size() && nameCells_[i].Handle(); ++i)
    if (IsWindowVisible(nameCells_[i].Handle())) ShowWindow(nameCells_[i].Handle(), SW_HIDE);
}

void DrawWindow::HideNameLabels() {
  for (TextLabel& label : nameCells_)
    if (label.Handle() && IsWindowVisible(label.Handle())) ShowWindow(label.Handle(), SW_HIDE);
}

void DrawWindow::HideNameGrid() {
  gridIndices_.clear();
  flipping_ = false;
  if (gridView_.Handle()) gridView_.Hide();
  HideNameLabels();
  if (TextLine().Handle() && !IsWindowVisible(TextLine().Handle())) ShowWindow(TextLine().Handle(), SW_SHOWNA);
}

void DrawWindow::RelayOutNameGrid() {
  grid_.reset();
  longestName_.reset();  // measured at the scale before
  if (gridIndices_.empty()) return;
  LayOutNameGrid(gridIndices_.size());
  if (flipping_)
    gridView_.Show(PlaceNames(gridIndices_), TextLine().Colour());
  else
    ShowNameLabels(PlaceNames(gridIndices_));
}

void DrawWindow::RecordResults(const std::vector<std::size_t>& indices, std::string_view round) {
  // A screen reader reads the new result out.
  if (gridIndices_.empty()) {
    AnnounceNameChange(TextLine().Handle());
  } else {
    for (const TextLabel& cell : nameCells_)
      if (cell.Handle() && IsWindowVisible(cell.Handle())) AnnounceNameChange(cell.Handle());
  }
  // A data folder that cannot be written records nothing (it was said at
  // start-up); the record never goes anywhere else. One write for the lot.
  if (dataReadOnly_) return;
  const draw::LocalDateTime now = LocalNow();
  std::string lines;
  for (const std::size_t index : indices)
    if (index < names_.size()) lines += draw::HistoryLine(now, names_[index], ListTitle(), round);
  if (!lines.empty()) historyFailure_ = AppendHistoryLine(data_.HistoryPath(), lines);
}

std::string DrawWindow::NameText(std::size_t index) const {
  return index < names_.size() ? Utf16ToUtf8(names_[index]) : std::string();
}

void DrawWindow::SetDrawCountChecked(int count) { menu_.SetDrawCount(count); }

void DrawWindow::SaveDrawCount(int count) {
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  if (!IsExistingFile(config) || !WriteProfileValue(config, kDrawCountSection, kDrawCountKey, DrawCountFieldText(count)))
    ShowWarning(Handle(), kCountNotSaved);
}

void DrawWindow::SetRoundsChecked(bool on) {
  menu_.SetChecked(draw_controls::kMenuRounds, on);
  menu_.EnableRestartRound(on || engine_.State().noRepeat);
}

void DrawWindow::SaveRounds(bool on) {
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  if (!IsExistingFile(config) || !WriteProfileValue(config, kRoundsSection, kRoundsKey, RoundsFieldText(on)))
    ShowWarning(Handle(), kRoundsNotSaved);
}

void DrawWindow::ShowRoundCaption(std::string_view text) {
  TextLabel& caption = CaptionLabel();
  const std::wstring shown = text.empty() ? configuredCaption_ : Widen(text);
  if (shown != caption.Text()) {
    // A centred caption stays centred where it stood.
    const float centre = caption.Position().x + static_cast<float>(caption.SizeOf().width) / 2.0f;
    caption.SetText(shown);
    if (labelsCentred_)
      caption.SetPosition({centre - static_cast<float>(caption.SizeOf().width) / 2.0f, caption.Position().y});
  }
  winners_.Update(Widen(engine_.Plan().WinnersText()));
}

void DrawWindow::ShowWinners() { winners_.Show(Handle(), Widen(engine_.Plan().WinnersText())); }

}  // namespace ravelo::win
