#include "wizard/component_templates.h"

#include <initializer_list>
#include <string_view>

namespace tavrin {
namespace {

// Collects lines; "%s" in a line is filled by the given values in order.
class Lines {
public:
    void Add(std::string_view format, std::initializer_list<std::string_view> values = {}) {
        auto value = values.begin();
        for (size_t i = 0; i < format.size(); ++i) {
            if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && value != values.end()) {
                text_ += *value++;
                ++i;
            } else {
                text_ += format[i];
            }
        }
        text_ += "\r\n";
    }
    void AddIf(bool condition, std::string_view format, std::initializer_list<std::string_view> values = {}) {
        if (condition) Add(format, values);
    }
    std::string Text() const { return text_; }

private:
    std::string text_;
};

void Header(Lines& lines, const std::string& className, const char* format) {
    lines.Add("' written by Orvale 10 RAD-IDE for FreeBasic");
    lines.Add("' %s component", {className});
    lines.Add(format);
    lines.Add("");
}

}  // namespace

std::string ApiText(const ComponentChoice& choice) {
    const std::string& C = choice.className;
    const std::string& A = choice.ancestor;
    const std::string& I = choice.classInstance;
    const bool hasAncestor = !A.empty();
    Lines lines;
    Header(lines, C, "' format API");
    lines.Add("function DlgProc(dlg as hwnd,msg as uint,wparam as wparam,lparam as lparam) as lresult");
    lines.AddIf(hasAncestor, "    dim as wndclassex wcls");
    lines.AddIf(hasAncestor, "    wcls.cbsize=sizeof(wcls)");
    lines.AddIf(hasAncestor, "    if GetClassInfoEx(%s,\"%s\",@wcls) then", {I, A});
    lines.AddIf(hasAncestor, "        return CallWindowProc(wcls.lpfnwndproc,dlg,msg,wparam,lparam)");
    lines.AddIf(hasAncestor, "    else");
    lines.AddIf(hasAncestor, "        return 0");
    lines.AddIf(hasAncestor, "    end if");
    lines.AddIf(!hasAncestor, "    return DefWindowProc(dlg,msg,wparam,lparam)");
    lines.Add("end function");
    lines.Add("");
    lines.Add("function Register as integer");
    lines.Add("    dim as wndclassex wcls");
    lines.Add("    wcls.cbsize=sizeof(wcls)");
    lines.AddIf(hasAncestor, "    if GetClassInfoEx(%s,\"%s\",@wcls) then", {I, A});
    lines.AddIf(hasAncestor, "        wcls.lpfnwndproc=@dlgproc");
    lines.AddIf(hasAncestor, "       wcls.lpszclassname=@\"%s\"", {C});
    lines.AddIf(hasAncestor, "        wcls.hinstance=instance");
    lines.AddIf(hasAncestor, "        return RegisterClassEx(@wcls)");
    lines.AddIf(hasAncestor, "    end if");
    lines.Add("    wcls.lpfnwndproc=@dlgproc");
    lines.Add("    wcls.lpszclassname=@\"%s\"", {C});
    lines.Add("    wcls.hinstance=instance");
    lines.Add("    wcls.cbwndextra+=sizeof(nteger)");
    lines.Add("    RegisterClassEx(@wcls)");
    lines.Add("end function");
    return lines.Text();
}

std::string DeclarationText(const ComponentChoice& choice) {
    const std::string& C = choice.className;
    const std::string& A = choice.ancestor;
    const bool hasAncestor = !A.empty();
    const std::string_view V = hasAncestor ? "virtual" : "";
    Lines lines;
    Header(lines, C, "' format GUI");
    lines.AddIf(hasAncestor, "type P%s as %s ptr", {C, C});
    lines.AddIf(hasAncestor, "type %s extends %s", {C, A});
    lines.AddIf(!hasAncestor, "type %s", {C});
    lines.Add("    protected:");
    lines.AddIf(choice.superclass,
                "    declare static function DlgProc(as hwnd,as uint,as wparam,as lparam) as lresult");
    lines.Add("    declare %s sub Dispatch(byref as QMessage)", {V});
    lines.Add("    declare %s sub Handler(byref as QMessage)", {V});
    lines.Add("    declare %s sub createhandle", {V});
    lines.AddIf(choice.subclass, "    WndProc as wndproc");
    lines.Add("    public:");
    lines.AddIf(choice.superclass, "    declare static function Register(as string=\"%s\") as integer", {C});
    lines.Add("    declare operator cast as any ptr");
    lines.Add("    declare constructor");
    lines.Add("    declare destructor");
    lines.Add("end type");
    lines.Add("");
    return lines.Text();
}

std::string ImplementationText(const ComponentChoice& choice) {
    const std::string& C = choice.className;
    const std::string& A = choice.ancestor;
    const std::string& I = choice.classInstance;
    const bool hasAncestor = !A.empty();
    const bool super = choice.superclass;
    const bool sub = choice.subclass;
    Lines lines;
    lines.Add("#include once \"%s.inc\"", {C});
    lines.Add("");
    lines.AddIf(super, "function %s.DlgProc(dlg as hwnd,msg as uint,wparam as wparam,lparam as lparam) as lresult",
                {C});
    lines.AddIf(super, "    dim as pframe f=iif(self,self,cast(pframe,GetWindowLongPtr(dlg,GetClassLong(dlg,"
                       "gcl_cbwndextra)-sizeof(integer))))");
    lines.AddIf(super, "    dim as QMessage M=type(dlg,msg,wparam,lparam,0,f)");
    lines.AddIf(super, "    if f then");
    lines.AddIf(super, "       f->fhandle=dlg");
    lines.AddIf(super, "       f->Dispatch(m)");
    lines.AddIf(super, "       f->Handler(m)");
    lines.AddIf(super, "       return m.result");
    lines.AddIf(super, "    else");
    lines.AddIf(super, "       f=new %s", {C});
    lines.AddIf(super, "       f->fhandle=dlg");
    lines.AddIf(super, "       f->Dispatch(m)");
    lines.AddIf(super, "       f->Handler(m)");
    lines.AddIf(super, "       return m.result");
    lines.AddIf(super, "    end if");
    lines.AddIf(super, "    return m.result");
    lines.AddIf(super, "end function");
    lines.AddIf(super, "");
    lines.AddIf(super, "function %s.Register(v as string=\"%s\") as integer", {C, C});
    lines.AddIf(super, "    dim as wndclassex wcls");
    lines.AddIf(super, "    wcls.cbsize=sizeof(wcls)");
    lines.AddIf(super, "    wcls.hinstance=instance");
    lines.AddIf(super, "    wcls.cbwndextra=wcls.cbwndextra+sizeof(integer)");
    lines.AddIf(super, "    wcls.lpfnwndproc=@dlgproc");
    lines.AddIf(super, "    wcls.lpszclassname=@\"%s\"", {C});
    lines.AddIf(super && hasAncestor, "    if GetClassInfoEx(%s,\"%s\",@wcls)>0 then", {I, A});
    lines.AddIf(super && hasAncestor, "       wcls.lpfnwndproc=@dlgproc");
    lines.AddIf(super && hasAncestor, "       wcls.lpszclassname=@\"%s\"", {C});
    lines.AddIf(super && hasAncestor, "    end if");
    lines.AddIf(super, "    return RegisterClassEx(@wcls)");
    lines.AddIf(super, "end function");
    lines.Add("");
    lines.Add("sub %s.createhandle", {C});
    lines.Add("    Base.createhandle");
    lines.AddIf(sub, "    if iswindow(fhandle) then");
    lines.AddIf(sub, "       wndproc=SetWindowLongPtr(fhandle,gwl_userdata,cint(@dlgproc))");
    lines.AddIf(sub, "    end if");
    lines.Add("end sub");
    lines.Add("");
    lines.Add("sub %s.Dispatch(byref m as QMessage)", {C});
    lines.Add("    Base.Dispatch(m)");
    lines.AddIf(super, "    select case m.msg");
    lines.AddIf(super, "    case wm_create,wm_initdialog");
    lines.AddIf(super, "         SetWindowLongPtr(m.dlg,GetClassLongPtr(m.dlg,gcl_cbwndextra)-sizeof(integer),"
                       "cint(@this))");
    lines.AddIf(super, "         self=0");
    lines.AddIf(super, "    end select");
    lines.Add("end sub");
    lines.Add("");
    lines.Add("sub %s.Handler(byref m as QMessage)", {C});
    lines.Add("    Base.Handler(m)");
    lines.Add("end sub");
    lines.Add("");
    lines.Add("operator %s.cast as any ptr", {C});
    lines.Add("    return @this");
    lines.Add("end operator");
    lines.Add("");
    lines.Add("constructor %s", {C});
    lines.Add("    classname=\"%s\"", {C});
    lines.AddIf(hasAncestor, "    classancestor=\"%s\"", {A});
    lines.Add("end constructor");
    lines.Add("");
    lines.Add("destructor %s", {C});
    lines.Add("end destructor");
    lines.Add("");
    lines.Add("sub %s_initialization constructor", {C});
    lines.Add("   %s.Register", {C});
    lines.Add("end sub");
    lines.Add("");
    lines.Add("sub %s_finalization destructor", {C});
    lines.Add("     UnregisterClass(\"%s\",instance)", {C});
    lines.Add("end sub");
    lines.Add("");
    return lines.Text();
}

}  // namespace tavrin
