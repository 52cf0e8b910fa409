#include "wizard/component_templates.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/text.h"
#include "wizard/new_class_rules.h"

namespace tavrin {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Compares line by line so that a failure names the first differing line.
void ExpectLines(const std::string& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.substr(actual.size() - 2), "\r\n") << "the last line ends too";
    std::vector<std::string> lines = Split(actual.substr(0, actual.size() - 2), '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r') line.pop_back();
    for (size_t i = 0; i < std::min(lines.size(), expected.size()); ++i) ASSERT_EQ(lines[i], expected[i]) << "line " << i;
    EXPECT_EQ(lines.size(), expected.size());
    EXPECT_EQ(actual, Joined(expected)) << "every line ends with CR LF";
}

ComponentChoice Settled(std::string className, std::string ancestor, std::string instance, bool gui = true,
                        bool subclass = false) {
    return SettleChoice(std::move(className), std::move(ancestor), std::move(instance), gui, subclass);
}

TEST(NewClassRules, ChoosingButtonProposesButtonExAsASuperclassOfASystemClass) {
    std::string instance = ClassInstanceFor({true, false}, "instance");
    EXPECT_EQ(instance, "0");
    EXPECT_TRUE(SuperclassChecked(instance));
    EXPECT_EQ(ProposedClassName("Button", StandardAncestors()), "ButtonEx");
    EXPECT_EQ(ProposedClassName("button", StandardAncestors()), "buttonEx");
    EXPECT_EQ(ProposedClassName("QFrame", StandardAncestors()), "QFrame") << "not an entry of the list";
    EXPECT_EQ(ProposedClassName("QFrame", {"QFrame"}), "QFrameEx") << "the palette's classes are entries too";
    EXPECT_EQ(ClassInstanceFor({false, true}, "0"), "instance");
    EXPECT_EQ(ClassInstanceFor({false, false}, "instance"), "instance") << "an unknown class leaves it";
    EXPECT_TRUE(SuperclassChecked("0"));
    EXPECT_FALSE(SuperclassChecked("instance"));
}

TEST(NewClassRules, OkNamesAnEmptyClassAndSettlesTheRadioGroup) {
    ComponentChoice empty = Settled("", "", "0");
    EXPECT_EQ(empty.className, "myClass");
    EXPECT_TRUE(empty.superclass);
    EXPECT_FALSE(Settled("A", "", "0", true, true).subclass) << "Superclass unchecks Subclass";
    ComponentChoice own = Settled("A", "QFrame", "instance", true, true);
    EXPECT_TRUE(own.subclass);
    EXPECT_FALSE(own.superclass);
    ComponentChoice neither = Settled("A", "QFrame", "instance", true, false);
    EXPECT_FALSE(neither.subclass || neither.superclass);
    ComponentChoice api = Settled("A", "Button", "0", false, true);
    EXPECT_FALSE(api.subclass || api.superclass) << "the group applies only with GUI";
}

TEST(ComponentTemplates, TheButtonExDeclarationAndImplementation) {
    ComponentChoice choice = Settled("ButtonEx", "Button", "0");
    ExpectLines(DeclarationText(choice), {
        "' written by Orvale 10 RAD-IDE for FreeBasic",
        "' ButtonEx component",
        "' format GUI",
        "",
        "type PButtonEx as ButtonEx ptr",
        "type ButtonEx extends Button",
        "    protected:",
        "    declare static function DlgProc(as hwnd,as uint,as wparam,as lparam) as lresult",
        "    declare virtual sub Dispatch(byref as QMessage)",
        "    declare virtual sub Handler(byref as QMessage)",
        "    declare virtual sub createhandle",
        "    public:",
        "    declare static function Register(as string=\"ButtonEx\") as integer",
        "    declare operator cast as any ptr",
        "    declare constructor",
        "    declare destructor",
        "end type",
        "",
    });
    ExpectLines(ImplementationText(choice), {
        "#include once \"ButtonEx.inc\"",
        "",
        "function ButtonEx.DlgProc(dlg as hwnd,msg as uint,wparam as wparam,lparam as lparam) as lresult",
        "    dim as pframe f=iif(self,self,cast(pframe,GetWindowLongPtr(dlg,GetClassLong(dlg,gcl_cbwndextra)-sizeof(integer))))",
        "    dim as QMessage M=type(dlg,msg,wparam,lparam,0,f)",
        "    if f then",
        "       f->fhandle=dlg",
        "       f->Dispatch(m)",
        "       f->Handler(m)",
        "       return m.result",
        "    else",
        "       f=new ButtonEx",
        "       f->fhandle=dlg",
        "       f->Dispatch(m)",
        "       f->Handler(m)",
        "       return m.result",
        "    end if",
        "    return m.result",
        "end function",
        "",
        "function ButtonEx.Register(v as string=\"ButtonEx\") as integer",
        "    dim as wndclassex wcls",
        "    wcls.cbsize=sizeof(wcls)",
        "    wcls.hinstance=instance",
        "    wcls.cbwndextra=wcls.cbwndextra+sizeof(integer)",
        "    wcls.lpfnwndproc=@dlgproc",
        "    wcls.lpszclassname=@\"ButtonEx\"",
        "    if GetClassInfoEx(0,\"Button\",@wcls)>0 then",
        "       wcls.lpfnwndproc=@dlgproc",
        "       wcls.lpszclassname=@\"ButtonEx\"",
        "    end if",
        "    return RegisterClassEx(@wcls)",
        "end function",
        "",
        "sub ButtonEx.createhandle",
        "    Base.createhandle",
        "end sub",
        "",
        "sub ButtonEx.Dispatch(byref m as QMessage)",
        "    Base.Dispatch(m)",
        "    select case m.msg",
        "    case wm_create,wm_initdialog",
        "         SetWindowLongPtr(m.dlg,GetClassLongPtr(m.dlg,gcl_cbwndextra)-sizeof(integer),cint(@this))",
        "         self=0",
        "    end select",
        "end sub",
        "",
        "sub ButtonEx.Handler(byref m as QMessage)",
        "    Base.Handler(m)",
        "end sub",
        "",
        "operator ButtonEx.cast as any ptr",
        "    return @this",
        "end operator",
        "",
        "constructor ButtonEx",
        "    classname=\"ButtonEx\"",
        "    classancestor=\"Button\"",
        "end constructor",
        "",
        "destructor ButtonEx",
        "end destructor",
        "",
        "sub ButtonEx_initialization constructor",
        "   ButtonEx.Register",
        "end sub",
        "",
        "sub ButtonEx_finalization destructor",
        "     UnregisterClass(\"ButtonEx\",instance)",
        "end sub",
        "",
    });
}

TEST(ComponentTemplates, ASubclassOfAWorkbenchClassHasTheWndProcFieldAndNoDlgProcOrRegister) {
    ComponentChoice choice = Settled("MyFrame", "QFrame", "instance", true, true);
    ExpectLines(DeclarationText(choice), {
        "' written by Orvale 10 RAD-IDE for FreeBasic",
        "' MyFrame component",
        "' format GUI",
        "",
        "type PMyFrame as MyFrame ptr",
        "type MyFrame extends QFrame",
        "    protected:",
        "    declare virtual sub Dispatch(byref as QMessage)",
        "    declare virtual sub Handler(byref as QMessage)",
        "    declare virtual sub createhandle",
        "    WndProc as wndproc",
        "    public:",
        "    declare operator cast as any ptr",
        "    declare constructor",
        "    declare destructor",
        "end type",
        "",
    });
    std::string implementation = ImplementationText(choice);
    EXPECT_EQ(implementation.find("DlgProc("), std::string::npos);
    EXPECT_EQ(implementation.find("Register("), std::string::npos);
    EXPECT_EQ(implementation.find("select case"), std::string::npos);
    EXPECT_NE(implementation.find("sub MyFrame.createhandle\r\n"
                                  "    Base.createhandle\r\n"
                                  "    if iswindow(fhandle) then\r\n"
                                  "       wndproc=SetWindowLongPtr(fhandle,gwl_userdata,cint(@dlgproc))\r\n"
                                  "    end if\r\n"
                                  "end sub\r\n"),
              std::string::npos);
}

TEST(ComponentTemplates, AClassWithoutAncestorDeclaresPlainSubs) {
    ComponentChoice choice = Settled("", "", "0");
    std::string declaration = DeclarationText(choice);
    EXPECT_NE(declaration.find("\r\ntype myClass\r\n    protected:"), std::string::npos);
    EXPECT_EQ(declaration.find("type PmyClass"), std::string::npos);
    EXPECT_NE(declaration.find("    declare  sub Dispatch(byref as QMessage)\r\n"), std::string::npos)
        << "two blanks where virtual would stand";
    std::string implementation = ImplementationText(choice);
    EXPECT_EQ(implementation.find("GetClassInfoEx"), std::string::npos);
    EXPECT_EQ(implementation.find("classancestor"), std::string::npos);
}

TEST(ComponentTemplates, TheApiTextOfAClassOfItsOwnAndOfASystemClass) {
    ExpectLines(ApiText(Settled("", "", "0", false)), {
        "' written by Orvale 10 RAD-IDE for FreeBasic",
        "' myClass component",
        "' format API",
        "",
        "function DlgProc(dlg as hwnd,msg as uint,wparam as wparam,lparam as lparam) as lresult",
        "    return DefWindowProc(dlg,msg,wparam,lparam)",
        "end function",
        "",
        "function Register as integer",
        "    dim as wndclassex wcls",
        "    wcls.cbsize=sizeof(wcls)",
        "    wcls.lpfnwndproc=@dlgproc",
        "    wcls.lpszclassname=@\"myClass\"",
        "    wcls.hinstance=instance",
        "    wcls.cbwndextra+=sizeof(nteger)",
        "    RegisterClassEx(@wcls)",
        "end function",
    });
    std::string edit = ApiText(Settled("EditEx", "Edit", "0", false));
    EXPECT_EQ(edit.find("DefWindowProc"), std::string::npos);
    EXPECT_NE(edit.find("    if GetClassInfoEx(0,\"Edit\",@wcls) then\r\n"
                        "        return CallWindowProc(wcls.lpfnwndproc,dlg,msg,wparam,lparam)\r\n"),
              std::string::npos);
    EXPECT_NE(edit.find("        wcls.lpfnwndproc=@dlgproc\r\n"
                        "       wcls.lpszclassname=@\"EditEx\"\r\n"
                        "        wcls.hinstance=instance\r\n"),
              std::string::npos);
}

TEST(ComponentTemplates, GuiOpensTwoPagesAndApiOne) {
    ComponentChoice choice = Settled("ButtonEx", "Button", "0");
    std::vector<GeneratedPage> gui = GenerateComponent(choice, true);
    ASSERT_EQ(gui.size(), 2u);
    EXPECT_EQ(gui[0].caption, "ButtonEx");
    EXPECT_EQ(gui[0].text, DeclarationText(choice));
    EXPECT_EQ(gui[1].text, ImplementationText(choice));
    std::vector<GeneratedPage> api = GenerateComponent(choice, false);
    ASSERT_EQ(api.size(), 1u);
    EXPECT_EQ(api[0].text, ApiText(choice));
}

}  // namespace
}  // namespace tavrin
