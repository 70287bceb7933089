// Window classes, captions and control ids of rvocfg's name list editor and
// about box, for the program and for the tools that look for its controls.
// (The frame's own boxes take the ids of form_frame: Pic_e 11, Pic_s 12.)
#pragma once

namespace ravelo::secondary_controls {

namespace name_list {
inline constexpr wchar_t kWindowClass[] = L"RaveloNameList";
inline constexpr wchar_t kCaption[] = L"添加/删除抽签程序名单";
inline constexpr int kText = 100;  // Text
inline constexpr int kSave = 101;  // Pic_ent
inline constexpr int kCancel = 102;  // Pic_clo
inline constexpr int kImport = 103;  // "导入"
inline constexpr int kPicker = 104;  // the list shown: "默认名单", then the lists
inline constexpr int kNew = 105;     // "新建"
inline constexpr int kRename = 106;  // "重命名"
inline constexpr int kDelete = 107;  // "删除"
inline constexpr int kHeading = 110;  // Lt
inline constexpr int kFirstStep = 111;  // L1 .. L4
}  // namespace name_list

// The name asked for by "新建" and "重命名".
namespace list_name {
inline constexpr wchar_t kWindowClass[] = L"RaveloListName";
inline constexpr wchar_t kNewCaption[] = L"新建名单";
inline constexpr wchar_t kRenameCaption[] = L"重命名名单";
inline constexpr int kName = 100;
inline constexpr int kOk = 101;
inline constexpr int kCancel = 102;
}  // namespace list_name

// "数据位置": the folder of the lists and the record.
namespace data_folder {
inline constexpr wchar_t kWindowClass[] = L"RaveloDataFolder";
inline constexpr wchar_t kCaption[] = L"数据位置";
inline constexpr int kFolder = 100;
inline constexpr int kBrowse = 101;
inline constexpr int kDefault = 102;  // "恢复默认位置"
inline constexpr int kOk = 103;
inline constexpr int kCancel = 104;
}  // namespace data_folder

// "奖项设置": the prize plan (rounds.txt) and how many names a draw shows.
namespace prize_rounds {
inline constexpr wchar_t kWindowClass[] = L"RaveloPrizeRounds";
inline constexpr wchar_t kCaption[] = L"奖项设置";
inline constexpr int kDrawCount = 100;   // 每次抽取人数 ([Draw] count)
inline constexpr int kRounds = 101;      // the rounds in draw order
inline constexpr int kTitle = 102;       // the title of the round to add or change
inline constexpr int kRoundCount = 103;  // its count
inline constexpr int kAdd = 104;
inline constexpr int kChange = 105;      // "修改": the chosen round takes the title and count
inline constexpr int kRemove = 106;
inline constexpr int kUp = 107;
inline constexpr int kDown = 108;
inline constexpr int kSave = 109;
inline constexpr int kCancel = 110;
}  // namespace prize_rounds

// The preview of an import into the name list ("导入名单").
namespace import_preview {
inline constexpr wchar_t kWindowClass[] = L"RaveloImportPreview";
inline constexpr wchar_t kCaption[] = L"导入名单";
inline constexpr int kReplace = 100;
inline constexpr int kAppend = 101;
inline constexpr int kCancel = 102;
inline constexpr int kSheet = 103;       // worksheet chooser (workbooks of several sheets)
inline constexpr int kColumn = 104;      // names column chooser
inline constexpr int kDropRepeats = 105;  // check box, on at first
inline constexpr int kFirstNames = 106;  // the first names, one a line
inline constexpr int kSource = 110;      // the file's name
inline constexpr int kSummary = 111;     // how many names, what was skipped
}  // namespace import_preview

namespace about {
inline constexpr wchar_t kWindowClass[] = L"RaveloAbout";
inline constexpr wchar_t kCaption[] = L"关于Ravelo";
inline constexpr int kOk = 100;         // Pic_ent
inline constexpr int kLogo = 101;       // Im
inline constexpr int kFirstPicture = 102;  // Ia, Ib
inline constexpr int kProduct = 110;    // La
inline constexpr int kVersion = 111;    // La2
inline constexpr int kAuthor = 112;     // La3
inline constexpr int kRights = 113;     // La4
inline constexpr int kNotice = 114;     // Lb
inline constexpr int kHomeLink = 115;   // Lc
}  // namespace about

}  // namespace ravelo::secondary_controls
