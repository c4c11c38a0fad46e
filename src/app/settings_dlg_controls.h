// Dialog and control numbers of the settings dialogs, the four-transformation
// editors and the timing-rule dialog. A control's widget carries the object name
// "ctl<number>" and a dialog "dlg<number>", so code and tests find them by number.
// The numbers repeat between dialogs (1361 is a button of two of them), hence one
// namespace per dialog.
#pragma once

namespace zelk::sdlg {

// Buttons every settings dialog has (門派 has no 回復預設值).
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Defaults = 3;

inline constexpr int SchoolDialog = 573;
inline constexpr int PrintDialog = 574;
inline constexpr int StarDisplayDialog = 575;
inline constexpr int InterfaceDialog = 615;
inline constexpr int PanBaseDialog = 616;
inline constexpr int FourHuaTableDialog = 611;
inline constexpr int FourHuaRowDialog = 612;
inline constexpr int GiSuongRuleDialog = 630;

// 排盤參數設定
namespace panbase {
inline constexpr int LeapThisMonth = 1049, LeapSplitMonth = 1050, LeapNextMonth = 1051;
inline constexpr int GodZiYear = 1052, GodFlowYear = 1053, GodSmallPeriod = 1054;
inline constexpr int HorseByYear = 1055, HorseByMonth = 1056;
inline constexpr int YearHuaNatal = 1356, YearHuaMoving = 1357, YearHuaNatalAndYear = 1358,
                     YearHuaStacked = 1362;
inline constexpr int YearWestern = 1059, YearRepublic = 1060;
inline constexpr int God12Natal = 1067, God12Moving = 1068, God12NatalAndYear = 1069;
inline constexpr int FlowSkyNatal = 1359, FlowSkyMoving = 1360, FlowSkyNatalAndYear = 1361;
inline constexpr int DoctorNatal = 1350, DoctorMoving = 1351, DoctorNatalAndYear = 1352;
inline constexpr int LuNatal = 1353, LuMoving = 1354, LuNatalAndYear = 1355;
inline constexpr int SmallTraditional = 1057, SmallFromBirthBranch = 1058;
inline constexpr int FlowLifeByAnimalYear = 1035, FlowLifeBySmallPeriod = 1036;
inline constexpr int GiaKungTraditional = 1037, GiaKungWuGuiApart = 1038;
inline constexpr int FourHuaQinTian = 1070, FourHuaZhanYan = 1071, FourHuaEighteen = 1072,
                     FourHuaUser = 1073;
inline constexpr int GianSuaNatal = 1039, GianSuaNatalAndYear = 1040;
inline constexpr int SuaNamesCommon = 1041, SuaNamesSpecial = 1042;
} // namespace panbase

// 操作介面設定
namespace iface {
inline constexpr int Colour34 = 1361, NoColour34 = 1362;
inline constexpr int MiaoWangText = 1365, MiaoWangNumber = 1366, MiaoWangHidden = 1367;
inline constexpr int HuaOut = 1063, SelfHua = 1086, HouseFive = 1091, FlowTime = 1089,
                     TenYear = 1094, Small = 1096, Words8 = 1062, LifeLine = 1061,
                     SmallYearRevert = 1097;
} // namespace iface

// 請設定列印參數
namespace print {
inline constexpr int Name = 1095, CurAge = 1097, Animal = 1098, Sex = 1099, West = 1101,
                     East = 1253, EightWord = 1254, LifeHouse = 1256, BodyHouse = 1257,
                     LifeGod = 1259, BodyGod = 1261, PanGod = 1263, FlowGod = 1103,
                     FlowChung = 1104, Five = 1102, CurTime = 1024, PanInfo = 1025;
inline constexpr int Watermark = 1093, Judgement = 1090;
inline constexpr int TimePages = 1096, OnePage = 1390, ThreePages = 1391;
inline constexpr int Page1 = 1091, Page2 = 1092, Page3 = 1094;
} // namespace print

// 星曜顯示設定
namespace stars {
inline constexpr int FirstGradeList = 1071, FirstGradeShown = 1076, FirstGradeAll = 1084;
inline constexpr int SecondGradeList = 1072, SecondGradeShown = 1077, SecondGradeAll = 1085;
inline constexpr int Doctor = 1079, Life = 1081, FlowChung = 1083, FlowAge = 1088, FlowChan = 1086,
                     SkyCook = 1087, Lyyg = 1089, SevenStar = 1090;
inline constexpr int LuPlain = 1369, LuFlow = 1370, MaPlain = 1371, MaFlow = 1372, LuanPlain = 1373,
                     LuanFlow = 1374;
} // namespace stars

// 門派
namespace school {
inline constexpr int ZhanYan = 1296, QinTian = 1297, Eighteen = 1298;
} // namespace school

// 編輯四化: the cells (rows 甲..癸, columns 祿 權 科 忌) and the row buttons.
namespace fourhua {
inline constexpr int kCells[10][4] = {{1315, 1316, 1317, 1318}, {1319, 1328, 1337, 1346},
                                      {1320, 1329, 1338, 1347}, {1321, 1330, 1339, 1348},
                                      {1322, 1331, 1340, 1354}, {1323, 1332, 1341, 1355},
                                      {1324, 1333, 1342, 1356}, {1325, 1334, 1343, 1357},
                                      {1326, 1335, 1344, 1358}, {1327, 1336, 1345, 1359}};
inline constexpr int kRowButtons[10] = {1349, 1350, 1351, 1352, 1353, 1360, 1361, 1363, 1364, 1365};
// 修改四化
inline constexpr int RowStem = 1320;
inline constexpr int kRowCombos[4] = {1316, 1317, 1318, 1319};
} // namespace fourhua

// 垂象法則
namespace gisuong {
inline constexpr int Rule1 = 1389, Rule2 = 1390, Rule3 = 1391;
} // namespace gisuong

} // namespace zelk::sdlg
