// Keywords in Japanese, Chinese and Korean. Japanese and Chinese write no spaces, so their
// keywords are found inside longer runs of text; a one-character keyword ("姓", "名") only
// as a caption of its own.
#include "page_filling/FieldWordLists.h"

namespace {

using enum FieldMeaning;
using enum KeywordRole;

constexpr KeywordGroup kGroups[] = {
    {FeedAddress, Head, 1.0, "rssフィード|フィードurl|rss地址|rss網址|rss 주소|피드 주소"},
    {SiteAddress, Head, 1.0,
     "ホームページ|ウェブサイト|サイトurl|サイトのurl|网站|网址|網站|網址|主页|个人网站|"
     "個人網站|网站地址|網站地址|홈페이지|웹사이트|블로그 주소"},
    {Title, Head, 1.0, "タイトル|サイト名|ブログ名|标题|標題|网站名称|網站名稱|제목|사이트 이름"},
    {Description, Head, 1.0, "説明|紹介文|描述|简介|簡介|說明|说明|설명|소개"},
    {Tags, Head, 1.0, "タグ|キーワード|标签|標籤|关键词|關鍵字|태그|키워드"},
    {Category, Head, 1.0, "カテゴリ|カテゴリー|分類|分类|类别|類別|카테고리"},
    {Email, Head, 1.0,
     "メールアドレス|メール|eメール|電子メール|电子邮件|电子邮箱|邮箱|邮件地址|電子郵件|電郵|"
     "郵箱|電子郵件地址|电子邮件地址|이메일|이메일 주소|전자우편"},
    {FirstName, Head, 1.0, "名"},
    {LastName, Head, 1.0, "姓|姓氏|성"},
    {FullName, BareName, 0.8, "이름"},
    {FullName, Head, 1.0, "お名前|氏名|名前|姓名|您的姓名|名字|称呼|稱呼|성명|성함"},
    {None, Head, 1.0,
     "パスワード|ユーザー名|ユーザ名|ログインid|ニックネーム|ハンドルネーム|電話番号|電話|住所|"
     "郵便番号|市区町村|都道府県|会社名|法人名|団体名|検索|フリガナ|ふりがな|セイ|メイ|"
     "生年月日|性別|画像認証|密码|密碼|用户名|用戶名|帐号|賬號|账号|昵称|暱稱|电话|手机|手機|"
     "地址|邮编|郵遞區號|公司|公司名称|搜索|搜尋|验证码|驗證碼|비밀번호|아이디|사용자 이름|전화|"
     "전화번호|휴대폰|주소|우편번호|회사|회사명|검색|닉네임|별명|자동등록방지"},
};

} // namespace

std::span<const KeywordGroup> EastAsianKeywords()
{
    return kGroups;
}
