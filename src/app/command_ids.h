// Command and control numbers of the desktop program. The numbers are the ones the
// menus, tool bars and dialogs have always used; tests and code refer to a command
// or a control by these names.
#pragma once

namespace zelk::cmd {

// The command table (menu 607, popup "檔案(&F)").
inline constexpr int NewClientFile = 32839;
inline constexpr int OpenClientFile = 32841;
inline constexpr int SaveClientFileAs = 32842;
inline constexpr int ChartParameters = 32773;
inline constexpr int InterfaceSettings = 32828;
inline constexpr int StarDisplay = 32786;
inline constexpr int PrintParameters = 32787;
inline constexpr int UserFourHua = 32823;
inline constexpr int Print = 57607;
inline constexpr int PrintPreview = 57609;
inline constexpr int PrintSetup = 57606;
inline constexpr int ImportParameters = 32837;
inline constexpr int ImportClients = 32838;
inline constexpr int ImportRules = 32848;
inline constexpr int ExportParameters = 32835;
inline constexpr int ExportClients = 32836;
inline constexpr int ExportAnalysis = 32844;
inline constexpr int ExportChartImage = 32847;
inline constexpr int RefreshTime = 32775;
inline constexpr int RestoreDefaults = 32815;
inline constexpr int About = 57664;
inline constexpr int CloseAllCharts = 32817;
inline constexpr int Exit = 57665;
inline constexpr int School = 32814;

// The client pane's tool bar, in its order.
inline constexpr int FunctionMenu = 32821;
inline constexpr int OpenChecked = 57600;
inline constexpr int NewClient = 32818;
inline constexpr int ModifyClient = 32819;
inline constexpr int DeleteClient = 32820;
inline constexpr int ToggleAll = 32846;
inline constexpr int DeleteClientDialog = 32781;

// Frame commands.
inline constexpr int WindowManager = 131;
inline constexpr int Customize = 126;
inline constexpr int FirstStyle = 205;
inline constexpr int LastStyle = 219;
inline constexpr int DefaultStyle = 210;
inline constexpr int StandardOpen = 57601;
inline constexpr int StandardSave = 57603;
// Tool bars the user makes in the customisation dialog.
inline constexpr int FirstUserToolBar = 59432;
inline constexpr int LastUserToolBar = 59441;

// Panes.
inline constexpr int FileViewPane = 133;
inline constexpr int ClientPane = 134;
inline constexpr int OutputPane = 149;
inline constexpr int PropertiesPane = 150;

// Message posted after start-up; parameter 1 shows the about box as a splash.
inline constexpr int ShowSplashMessage = 1224;

} // namespace zelk::cmd

namespace zelk::ctl {

// Input dialog (558 new client, 565 modify client).
inline constexpr int InputNewDialog = 558;
inline constexpr int InputModifyDialog = 565;
inline constexpr int Name = 1000;
inline constexpr int Male = 1014;
inline constexpr int Female = 1015;
inline constexpr int Category = 1025;
inline constexpr int Gregorian = 1003;
inline constexpr int Lunar = 1004;
inline constexpr int BloodType = 1019;
inline constexpr int SiblingRank = 1024;
inline constexpr int Year = 1010;
inline constexpr int Month = 1011;
inline constexpr int Day = 1012;
inline constexpr int Hour = 1013;
inline constexpr int Address = 1016;
inline constexpr int Phone = 1017;
inline constexpr int BirthPlace = 1020;
inline constexpr int Email = 1315;
inline constexpr int Introducer = 1316;
inline constexpr int Longitude = 1021;
inline constexpr int Latitude = 1022;
inline constexpr int Height = 1023;
inline constexpr int Education = 1310;
inline constexpr int Note = 1018;
inline constexpr int IdBox = 1314;
inline constexpr int CreatedBox = 1313;
inline constexpr int Confirm = 1;
inline constexpr int Cancel = 2;

// Delete dialog (551) and its pick list (552).
inline constexpr int DeleteDialog = 551;
inline constexpr int PickListDialog = 552;
inline constexpr int SearchBox = 1252;
inline constexpr int SurnameMode = 1100;
inline constexpr int FullNameMode = 1065;
inline constexpr int AllNamesMode = 1066;
inline constexpr int SearchButton = 1255;
inline constexpr int NameList = 1064;
inline constexpr int DeleteOk = 1309;
inline constexpr int PickName = 1000;
inline constexpr int PickList = 1020;

} // namespace zelk::ctl
