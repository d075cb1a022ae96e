// The header words of Japanese, Korean and Chinese exports, which write words together.
#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;

// clang-format off
constexpr HeaderWord kWords[]{
    // ja
    {"写真", Photo}, {"画像", Photo},
    {"自宅", Home}, {"勤務先", Work}, {"会社", Company}, {"名", Given}, {"姓", Family},
    {"表示名", Display}, {"氏名", Name}, {"名前", Name}, {"メール", Email},
    {"電子メール", Email}, {"アドレス", Filler}, {"別の", Secondary}, {"電話", Phone},
    {"番号", Filler}, {"携帯", Mobile}, {"携帯電話", Mobile}, {"ファックス", Fax},
    {"住所", Address}, {"番地", Street}, {"市区町村", City}, {"都道府県", State},
    {"郵便番号", Zip}, {"国", Country}, {"役職", Job}, {"部門", Department},
    {"部署", Department}, {"組織", Company}, {"会社名", Company}, {"ウェブページ", Web},
    {"ホームページ", Web}, {"メモ", Notes}, {"備考", Notes}, {"の", Filler},
    {"ニックネーム", Nickname}, {"ポケットベル", Pager}, {"誕生", Birthday}, {"誕生日", Birthday}, {"追加情報", Block},
    {"スクリーンネーム", Block},
    // ko
    {"사진", Photo}, {"이미지", Photo},
    {"자택", Home}, {"집", Home}, {"직장", Work}, {"회사", Company}, {"회사명", Company},
    {"이름", Given}, {"성", Family}, {"표시명", Display}, {"메일", Email},
    {"전자메일", Email}, {"기본", Primary}, {"추가", Secondary}, {"전화", Phone},
    {"휴대폰", Mobile}, {"팩스", Fax}, {"주소", Address}, {"구군", City}, {"시도", State},
    {"우편번호", Zip}, {"국가", Country}, {"직위", Job}, {"직함", Job}, {"부서", Department},
    {"웹페이지", Web}, {"메모", Notes}, {"애칭", Nickname}, {"호출기", Pager}, {"생일", Birthday},
    {"태어난", Birthday}, {"사용자정의", Block},
    // zh-CN
    {"照片", Photo}, {"头像", Photo}, {"图片", Photo},
    {"家庭", Home}, {"居住地", Home}, {"居住", Home}, {"工作", Work}, {"工作地", Work},
    {"商务", Work}, {"公司", Company}, {"单位", Company}, {"名字", Given},
    {"姓氏", Family}, {"显示名称", Display}, {"显示", Display}, {"名称", Name},
    {"电子邮件", Email}, {"邮件", Email}, {"主要", Primary}, {"备用", Secondary},
    {"电话", Phone}, {"移动电话", Mobile}, {"手机", Mobile}, {"传真", Fax}, {"号码", Filler},
    {"地址", Address}, {"街道", Street}, {"城市", City}, {"省", State},
    {"省自治区直辖市", State}, {"邮政编码", Zip}, {"邮编", Zip}, {"国家地区", Country},
    {"国家", Country}, {"职务", Job}, {"职位", Job}, {"部门", Department}, {"网页", Web},
    {"注释", Notes}, {"备注", Notes}, {"昵称", Nickname}, {"寻呼机", Pager}, {"出生", Birthday}, {"生日", Birthday},
    {"定制", Block}, {"屏幕名", Block},
    // zh-TW
    {"相片", Photo}, {"頭像", Photo}, {"圖片", Photo},
    {"住家", Home}, {"商務", Work}, {"顯示名稱", Display}, {"次要", Secondary},
    {"電子郵件", Email}, {"手機", Mobile}, {"行動電話", Mobile}, {"傳真", Fax},
    {"號碼", Filler}, {"縣市", City}, {"省市", State}, {"郵遞區號", Zip}, {"國家", Country},
    {"國家地區", Country}, {"職稱", Job}, {"部門", Department}, {"網頁", Web},
    {"附註", Notes}, {"暱稱", Nickname}, {"呼叫器", Pager}, {"自訂", Block},
    {"網路代號", Block},
};
// clang-format on

}  // namespace

std::span<const HeaderWord> eastAsianHeaderWords() {
  return kWords;
}

}  // namespace quillmere::core
