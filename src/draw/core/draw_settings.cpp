#include "draw/core/draw_settings.h"

#include "shared/core/paths.h"

namespace ravelo {

SettingsPlan PlanFromConfig(const ConfigTexts& texts, const ScreenBounds& screen,
                            const InstallPaths& paths, const FileExists& exists,
                            DrawSettingsState& state) {
  using K = ConfigKey;
  state.contentWidth = Int16FromText(texts[K::StyleWidth]);
  state.contentHeight = Int16FromText(texts[K::StyleHeight]);
  state.showButtons = Int16FromText(texts[K::FormSmc]);
  state.stayOnTop = Int16FromText(texts[K::FormTop]);
  state.drawInterval = Int16FromText(texts[K::TimeTime]);
  state.frameColour = texts[K::StyleForm];
  state.titleColour = texts[K::StyleCaption];
  state.backPicture = texts[K::FormBgpic];
  state.musicFile = texts[K::FormBrmic];
  state.positions = {PositionFromText(texts[K::StyleCaptiontop]), PositionFromText(texts[K::StyleCaptionleft]),
                     PositionFromText(texts[K::StyleTexttop]), PositionFromText(texts[K::StyleTextleft])};
  state.captionBold = Int16FromText(texts[K::CaptionFontbold]);
  state.captionItalic = Int16FromText(texts[K::CaptionFontitalic]);
  state.textBold = Int16FromText(texts[K::TextFontbold]);
  state.textItalic = Int16FromText(texts[K::TextFontitalic]);

  const ContentSize size = LimitContentSize({state.contentWidth, state.contentHeight}, screen);
  state.contentWidth = size.width;
  state.contentHeight = size.height;

  SettingsPlan plan;
  plan.fromDefaults = false;
  plan.caption = CaptionSettingsFrom(texts);
  plan.text = TextLineSettingsFrom(texts);
  plan.layout = {state.contentWidth, state.contentHeight, state.frameColour, state.titleColour,
                 state.positions,    state.showButtons};
  if (state.drawInterval >= 0) plan.timerInterval = state.drawInterval;
  plan.makeTopMost = state.stayOnTop == 1;
  plan.backgroundPath =
      ChooseSkinFile(state.backPicture, paths.CommonFile(kDefaultBackPicture), exists);
  plan.musicPath = ChooseSkinFile(state.musicFile, paths.CommonFile(kDefaultMusic), exists);
  return plan;
}

SettingsPlan PlanDefaults(const InstallPaths& paths, const FileExists& exists,
                          DrawSettingsState& state) {
  state.backPicture = std::string(kNoFileChosen);
  state.musicFile = std::string(kNoFileChosen);
  state.drawInterval = kBuiltInInterval;
  state.stayOnTop = kBuiltInStayOnTop;

  SettingsPlan plan;
  plan.fromDefaults = true;
  plan.caption = BuiltInCaption();
  plan.text = BuiltInText();
  plan.layout = BuiltInFrameLayout();
  plan.timerInterval = kBuiltInInterval;
  plan.makeTopMost = false;
  plan.backgroundPath =
      ChooseSkinFile(state.backPicture, paths.CommonFile(kDefaultBackPicture), exists);
  plan.musicPath = ChooseSkinFile(state.musicFile, paths.CommonFile(kDefaultMusic), exists);
  return plan;
}

}  // namespace ravelo
