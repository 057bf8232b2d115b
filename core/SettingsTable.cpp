#include "core/Settings.h"

// The registration order is the identity of each setting: new settings go at the end.
void RegisterFrameworkSettings() {
    RegisterSetting(0, "ControlFontFace", "Control Font Face", Var::Text("Arial"), "Controls\\Font",
                    "text { text='Control font face:'; widthgroup=1; right; help='~*~'; tips='The typeface of the text in dialogs and controls.'; }; combo { samerow; fontspec='truetype,raster' }",
                    0);
    RegisterRangedSetting(1, "ControlFontSize", "Control Font Size", Var::Rational(11.0), "Controls\\Font",
                          "text { text='Control font size:'; widthgroup=1; right; help='~*~'; tips='The size of the text in dialogs and controls.'; }; edit { samerow; incdec='3,50,.5'; limit=5 }; text { text='points'; samerow; widthgroup=2 }",
                          0, Var::Rational(3.0), Var::Rational(50.0));
    RegisterSetting(2, "ControlFontBold", "Control Font Bold", Var::Boolean(false), "Controls\\Font",
                    "checkbox { text='Bold'; indent; help='Control font'; tips='Draws the text of controls in bold.' }",
                    0);
    RegisterSetting(3, "ControlFontItalics", "Control Font Italics", Var::Boolean(false), "Controls\\Font",
                    "checkbox { text='Italics'; indent; help='Control font'; tips='Draws the text of controls in italics.' }",
                    0);
    RegisterSetting(4, "ControlFontCharset", "Control Font Character Set", Var::Integer(0), "Controls\\Font",
                    "text { text='Character set:'; widthgroup=1; right; help='~*~'; tips='The character set the control fonts are chosen for.'; }; combo { samerow; charsetspec }",
                    0);
    RegisterSetting(5, "FixedControlFontFace", "Fixed Control Font Face", Var::Text("Courier New"), "Controls\\Font",
                    "text { text='Fixed-pitch font face:'; widthgroup=1; right; help='~*~'; tips='The typeface of controls that need characters of equal width.'; }; combo { samerow; fontspec='fixed' }",
                    0);
    RegisterSetting(6, "FixedControlFontBold", "Fixed Control Font Bold", Var::Boolean(false), "Controls\\Font",
                    "checkbox { text='Bold'; indent; help='Fixed-pitch font'; tips='Draws fixed-pitch text in bold.' }",
                    0);
    RegisterSetting(7, "FixedControlFontItalics", "Fixed Control Font Italics", Var::Boolean(false), "Controls\\Font",
                    "checkbox { text='Italics'; indent; help='Fixed-pitch font'; tips='Draws fixed-pitch text in italics.' }",
                    0);
    RegisterSetting(8, nullptr, "Windows", Var(), "Windows",
                    "text { text='Window frames, captions and menus'; fancy; help='Windows' }",
                    kSettingPageHeader);
    RegisterSetting(9, "DoubleBuffer", "Double Buffering", Var::Boolean(true), "Windows",
                    "checkbox { text='Double buffering'; tips='Draws windows off screen first, so that they do not flicker.' }",
                    0);
    RegisterRangedSetting(10, "SizableBorderThickness", "Sizable Border Thickness", Var::Rational(4.0), "Windows",
                          "text { text='Sizable border:'; widthgroup=1; right; help='~*~'; tips='The thickness of the frame of windows that can be resized.'; }; edit { samerow; incdec='0,20,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(20.0));
    RegisterRangedSetting(11, "StaticBorderThickness", "Static Border Thickness", Var::Rational(1.0), "Windows",
                          "text { text='Static border:'; widthgroup=1; right; help='~*~'; tips='The thickness of the frame of windows of fixed size.'; }; edit { samerow; incdec='0,20,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(20.0));
    RegisterSetting(12, "BlackWindowEdge", "Black Window Edge", Var::Boolean(true), "Windows",
                    "checkbox { text='Black window edge'; tips='Outlines window frames with a black line.' }",
                    0);
    RegisterSetting(13, "CaptionFontFace", "Caption Font Face", Var::Text("Arial"), "Windows\\Caption",
                    "text { text='Caption font face:'; widthgroup=1; right; help='~*~'; tips='The typeface of window captions.'; }; combo { samerow; fontspec='truetype,raster' }",
                    0);
    RegisterRangedSetting(14, "CaptionFontSize", "Caption Font Size", Var::Rational(12.0), "Windows\\Caption",
                          "text { text='Caption font size:'; widthgroup=1; right; help='~*~'; tips='The size of the text of window captions.'; }; edit { samerow; incdec='3,50,.5'; limit=5 }; text { text='points'; samerow; widthgroup=2 }",
                          0, Var::Rational(3.0), Var::Rational(50.0));
    RegisterSetting(15, "CaptionFontBold", "Caption Font Bold", Var::Boolean(true), "Windows\\Caption",
                    "checkbox { text='Bold'; indent; help='Caption font'; tips='Draws captions in bold.' }",
                    0);
    RegisterSetting(16, "CaptionFontItalics", "Caption Font Italics", Var::Boolean(false), "Windows\\Caption",
                    "checkbox { text='Italics'; indent; help='Caption font'; tips='Draws captions in italics.' }",
                    0);
    RegisterSetting(17, "CaptionHeight", "Caption Height", Var::Integer(50), "Windows\\Caption",
                    "text { text='Caption height:'; widthgroup=1; right; help='~*~'; tips='The room around the caption text.'; }; edit { samerow; incdec='0,200,5'; limit=3 }; text { text='% above the font height'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(18, "MinimizeOnDClick", "Minimize on Double-Click", Var::Boolean(false), "Windows\\Caption",
                    "checkbox { text='Minimize on double-click'; tips='A double-click on a caption minimizes the window instead of maximizing it.' }",
                    0);
    RegisterSetting(19, "ShowSizeButtons", "Show Size Buttons", Var::Boolean(true), "Windows\\Caption\\Buttons",
                    "checkbox { text='Show size buttons'; tips='Shows the minimize and maximize buttons in captions.' }",
                    0);
    RegisterSetting(20, "CaptionButtonWidth", "Caption Button Width", Var::Integer(100), "Windows\\Caption\\Buttons",
                    "text { text='Caption button width:'; widthgroup=1; right; help='~*~'; tips='The width of the buttons in captions.'; }; edit { samerow; incdec='50,300,10'; limit=3 }; text { text='% of the caption height'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(21, "MaximizeToggled", "Maximize Button Toggles", Var::Boolean(true), "Windows\\Caption\\Buttons",
                    "checkbox { text='Maximize button toggles'; tips='One button both maximizes and restores the window.' }",
                    0);
    RegisterSetting(22, "SelectOnPaste", "Select After Paste", Var::Boolean(false), "Controls\\Editboxes",
                    "checkbox { text='Select after paste'; tips='Leaves pasted text selected.' }",
                    0);
    RegisterRangedSetting(23, "GapFactor", "Interface Gap", Var::Rational(1.0), "Controls",
                          "text { text='Interface gap:'; widthgroup=1; right; help='~*~'; tips='The space between the controls of dialogs.'; }; edit { samerow; incdec='0,5,.1'; limit=4 }; text { text='times the standard gap'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(5.0));
    RegisterRangedSetting(24, "BorderThickness", "Control Border Thickness", Var::Rational(2.0), "Controls",
                          "text { text='Control border:'; widthgroup=1; right; help='~*~'; tips='The thickness of the borders of controls.'; }; edit { samerow; incdec='0,10,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(10.0));
    RegisterSetting(25, "BlackControlEdge", "Black Control Edge", Var::Boolean(true), "Controls",
                    "checkbox { text='Black control edge'; tips='Outlines controls with a black line.' }",
                    0);
    RegisterSetting(26, "BorderlessCheckboxes", "Borderless Checkboxes", Var::Boolean(false), "Controls\\Buttons",
                    "checkbox { text='Borderless checkboxes'; tips='Draws checkboxes without a frame.' }",
                    0);
    RegisterSetting(27, "BorderlessRadios", "Borderless Radio Buttons", Var::Boolean(false), "Controls\\Buttons",
                    "checkbox { text='Borderless radio buttons'; tips='Draws radio buttons without a frame.' }",
                    0);
    RegisterRangedSetting(28, "ScrollbarBreadth", "Scrollbar Breadth", Var::Rational(16.0), "Controls\\Scrollbars",
                          "text { text='Scrollbar breadth:'; widthgroup=1; right; help='~*~'; tips='The width of vertical and the height of horizontal scrollbars.'; }; edit { samerow; incdec='8,40,1'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(8.0), Var::Rational(40.0));
    RegisterSetting(29, "CBIgnoreWheel", "Comboboxes Ignore Mouse Wheel", Var::Boolean(false), "Controls\\Comboboxes",
                    "checkbox { text='Ignore the mouse wheel'; tips='Keeps the mouse wheel from changing the choice of a combobox.' }",
                    0);
    RegisterRangedSetting(30, "ControlBoxThickness", "Group Box Thickness", Var::Rational(2.0), "Controls\\Groupboxes",
                          "text { text='Group box border:'; widthgroup=1; right; help='~*~'; tips='The thickness of the frame of group boxes.'; }; edit { samerow; incdec='0,10,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(10.0));
    RegisterSetting(31, "BoxTextShadow", "Group Box Text Shadow", Var::Boolean(false), "Controls\\Groupboxes",
                    "checkbox { text='Shadowed titles'; tips='Draws the titles of group boxes with a shadow.' }",
                    0);
    RegisterSetting(32, "BoxTextHilite", "Group Box Text Highlight", Var::Boolean(true), "Controls\\Groupboxes",
                    "checkbox { text='Highlighted titles'; tips='Draws the titles of group boxes with a highlight.' }",
                    0);
    RegisterSetting(33, "MenubarFontFace", "Menu Bar Font Face", Var::Text("Arial"), "Windows\\Menu Bar",
                    "text { text='Menu bar font face:'; widthgroup=1; right; help='~*~'; tips='The typeface of the menu bar.'; }; combo { samerow; fontspec='truetype,raster' }",
                    0);
    RegisterRangedSetting(34, "MenubarFontSize", "Menu Bar Font Size", Var::Rational(10.0), "Windows\\Menu Bar",
                          "text { text='Menu bar font size:'; widthgroup=1; right; help='~*~'; tips='The size of the text of the menu bar.'; }; edit { samerow; incdec='3,50,.5'; limit=5 }; text { text='points'; samerow; widthgroup=2 }",
                          0, Var::Rational(3.0), Var::Rational(50.0));
    RegisterSetting(35, "MenubarFontBold", "Menu Bar Font Bold", Var::Boolean(false), "Windows\\Menu Bar",
                    "checkbox { text='Bold'; indent; help='Menu bar font'; tips='Draws the menu bar in bold.' }",
                    0);
    RegisterSetting(36, "MenubarFontItalics", "Menu Bar Font Italics", Var::Boolean(false), "Windows\\Menu Bar",
                    "checkbox { text='Italics'; indent; help='Menu bar font'; tips='Draws the menu bar in italics.' }",
                    0);
    RegisterSetting(37, "MenubarHeight", "Menu Bar Height", Var::Integer(24), "Windows\\Menu Bar",
                    "text { text='Menu bar height:'; widthgroup=1; right; help='~*~'; tips='The height of the menu bar.'; }; edit { samerow; incdec='10,100,1'; limit=3 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(38, "MenubarJustify", "Menu Bar Justification", Var::Integer(0), "Windows\\Menu Bar",
                    "text { text='Menu bar items:'; widthgroup=1; right; help='~*~'; tips='Where the menu bar places its items.'; }; combo { samerow; entries='Left[0],Center[1],Right[2]'; storage='id' }",
                    0);
    RegisterSetting(39, "MenubarDivider", "Menu Bar Divider", Var::Boolean(true), "Windows\\Menu Bar",
                    "checkbox { text='Divider line'; tips='Draws a line between the menu bar and the window contents.' }",
                    0);
    RegisterSetting(40, "ToolbarHeight", "Toolbar Height", Var::Integer(32), "Windows\\Toolbar",
                    "text { text='Toolbar height:'; widthgroup=1; right; help='~*~'; tips='The height of toolbars.'; }; edit { samerow; incdec='16,100,1'; limit=3 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterRangedSetting(41, "IconBorderThickness", "Icon Border Thickness", Var::Rational(1.0), "Windows\\Toolbar",
                          "text { text='Icon border:'; widthgroup=1; right; help='~*~'; tips='The thickness of the frame of toolbar buttons.'; }; edit { samerow; incdec='0,10,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(10.0));
    RegisterSetting(42, "BlackToolbarEdge", "Black Toolbar Edge", Var::Boolean(false), "Windows\\Toolbar",
                    "checkbox { text='Black toolbar edge'; tips='Outlines toolbars with a black line.' }",
                    0);
    RegisterSetting(43, "BlackToolbarIconEdge", "Black Toolbar Icon Edge", Var::Boolean(false), "Windows\\Toolbar",
                    "checkbox { text='Black icon edge'; tips='Outlines toolbar buttons with a black line.' }",
                    0);
    RegisterSetting(44, "HQToolbarIcons", "High-Quality Toolbar Icons", Var::Boolean(true), "Windows\\Toolbar",
                    "checkbox { text='High-quality icons'; tips='Scales toolbar icons smoothly.' }",
                    0);
    RegisterSetting(45, "BalloonHelpEnabled", "Balloon Help", Var::Boolean(true), "Balloon Help",
                    "checkbox { text='Balloon help'; tips='Shows a balloon of help when the mouse rests on a control.' }",
                    0);
    RegisterSetting(46, "BalloonHelpSmall", "Small Balloons", Var::Boolean(false), "Balloon Help",
                    "checkbox { text='Small balloons'; indent; tips='Uses a smaller font in help balloons.' }",
                    0);
    RegisterSetting(47, "BalloonHelpHideOnMove", "Hide Balloons on Mouse Move", Var::Boolean(true), "Balloon Help",
                    "checkbox { text='Hide when the mouse moves'; indent; tips='Takes a balloon away as soon as the mouse moves.' }",
                    0);
    RegisterSetting(48, "BalloonHelpCaptions", "Balloon Captions", Var::Boolean(true), "Balloon Help",
                    "checkbox { text='Balloon captions'; indent; tips='Shows a title above the text of a balloon.' }",
                    0);
    RegisterSetting(49, "UseBalloonTimeout", "Use Balloon Timeout", Var::Boolean(true), "Balloon Help",
                    "checkbox { text='Balloon timeout'; indent; tips='Takes balloons away after a while.' }",
                    0);
    RegisterSetting(50, "BalloonTimeout", "Balloon Timeout", Var::Integer(15), "Balloon Help",
                    "text { text='Balloon timeout:'; widthgroup=1; right; help='~*~'; tips='How long a balloon stays.'; }; edit { samerow; incdec='1,600,1'; limit=3 }; text { text='seconds'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(51, "BalloonDelay", "Balloon Delay", Var::Integer(200), "Balloon Help",
                    "text { text='Balloon delay:'; widthgroup=1; right; }; edit { samerow; help='balloon delay'; incdec='0,2500,100'; limit=4; tips='How long the mouse rests before a balloon appears.' }; text { text='milliseconds'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(52, "HQMenuIcons", "High-Quality Menu Icons", Var::Boolean(true), "Menus",
                    "checkbox { text='High-quality icons'; tips='Scales menu icons smoothly.' }",
                    0);
    RegisterRangedSetting(53, "MenuFontSize", "Menu Font Size", Var::Rational(10.0), "Menus",
                          "text { text='Menu font size:'; widthgroup=1; right; help='~*~'; tips='The size of the text of menus.'; }; edit { samerow; incdec='3,50,.5'; limit=5 }; text { text='points'; samerow; widthgroup=2 }",
                          0, Var::Rational(3.0), Var::Rational(50.0));
    RegisterSetting(54, "MenuFontFace", "Menu Font Face", Var::Text("Arial"), "Menus",
                    "text { text='Menu font face:'; widthgroup=1; right; help='~*~'; tips='The typeface of menus.'; }; combo { samerow; fontspec='truetype,raster' }",
                    0);
    RegisterSetting(55, "DisableMenuIcons", "Disable Menu Icons", Var::Boolean(false), "Menus",
                    "checkbox { text='No menu icons'; tips='Shows menus without icons.' }",
                    0);
    RegisterSetting(56, "MenuGutter", "Menu Gutter", Var::Integer(24), "Menus",
                    "text { text='Icon gutter:'; widthgroup=1; right; help='~*~'; tips='The width of the strip of menus that holds the icons.'; }; edit { samerow; incdec='0,64,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(57, "MenuBorderType", "Menu Border Type", Var::Integer(1), "Menus",
                    "text { text='Menu border:'; widthgroup=1; right; help='~*~'; tips='The frame of pop-up menus.'; }; combo { samerow; entries='Flat[0],Raised[1],Sunken[2],Etched[3]'; storage='id' }",
                    0);
    RegisterSetting(58, "BlackMenuEdge", "Black Menu Edge", Var::Boolean(true), "Menus",
                    "checkbox { text='Black menu edge'; tips='Outlines pop-up menus with a black line.' }",
                    0);
    RegisterSetting(59, "SeparateHot", "Separate Hot Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate hot texture'; tips='Gives hot (pointed at) controls a texture of their own.' }",
                    0);
    RegisterSetting(60, "SeparateFocus", "Separate Focus Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate focus texture'; tips='Gives the control with the focus a texture of their own.' }",
                    0);
    RegisterSetting(61, "SeparateButton", "Separate Button Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate button texture'; tips='Gives buttons a texture of their own.' }",
                    0);
    RegisterSetting(62, "SeparateCheckbox", "Separate Checkbox Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate checkbox texture'; tips='Gives checkboxes a texture of their own.' }",
                    0);
    RegisterSetting(63, "SeparateDrawer", "Separate Drawer Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate drawer texture'; tips='Gives drawers a texture of their own.' }",
                    0);
    RegisterSetting(64, "SeparateEditbox", "Separate Editbox Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate editbox texture'; tips='Gives editboxes a texture of their own.' }",
                    0);
    RegisterSetting(65, "SeparateListbox", "Separate Listbox Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate listbox texture'; tips='Gives listboxes a texture of their own.' }",
                    0);
    RegisterSetting(66, "SeparateRadio", "Separate Radio Button Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate radio button texture'; tips='Gives radio buttons a texture of their own.' }",
                    0);
    RegisterSetting(67, "SeparateTable", "Separate Table Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate table texture'; tips='Gives tables a texture of their own.' }",
                    0);
    RegisterSetting(68, "SeparateTree", "Separate Tree Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate tree texture'; tips='Gives trees a texture of their own.' }",
                    0);
    RegisterSetting(69, "SeparateExit", "Separate Exit Texture", Var::Boolean(false), "Skin\\Options",
                    "checkbox { text='Separate exit texture'; tips='Gives exit buttons a texture of their own.' }",
                    0);
    RegisterSetting(70, "SMTP_Port", "SMTP Port", Var::Integer(25), "Networking\\SMTP",
                    "text { text='SMTP port:'; widthgroup=1; right; help='~*~'; tips='The port of the mail server, normally 25.'; }; edit { samerow; incdec='1,65535'; limit=5 }",
                    0);
    RegisterSetting(71, "SMTP_Server", "SMTP Server", Var::Text(""), "Networking\\SMTP",
                    "text { text='SMTP server:'; widthgroup=1; right; help='~*~'; tips='The name or address of the mail server that sends mail.'; }; edit { samerow; limit=255; }",
                    0);
    RegisterSetting(72, "SMTP_UserName", "SMTP User Name", Var::Text(""), "Networking\\SMTP",
                    "text { text='User name:'; widthgroup=1; right; help='~*~'; tips='The name to log in to the mail server with.'; }; edit { samerow; limit=255; }",
                    0);
    RegisterSetting(73, "SMTP_Password", "SMTP Password", Var::Text(""), "Networking\\SMTP",
                    "text { text='Password:'; widthgroup=1; right; help='~*~'; tips='The password to log in to the mail server with.'; }; edit { samerow; limit=255; password; }",
                    kSettingEscaped | kSettingEnciphered);
    RegisterSetting(74, "SMTP_Authenticated", "SMTP Authentication", Var::Integer(0), "Networking\\SMTP",
                    "text { text='Authentication:'; widthgroup=1; right; help='~*~'; tips='How the mail server is told who is sending.'; }; combo { samerow; entries='None[0],Login[1],POP3[2]'; storage='id' }",
                    0);
    RegisterSetting(75, "SMTP_POP3_Server", "SMTP POP3 Server", Var::Text(""), "Networking\\SMTP",
                    "text { text='POP3 server:'; widthgroup=1; right; help='~*~'; tips='The mail server to log in to before sending, for servers that want it.'; }; edit { samerow; limit=255; }",
                    0);
    RegisterSetting(76, "SMTP_POP3_Port", "SMTP POP3 Port", Var::Integer(110), "Networking\\SMTP",
                    "text { text='POP3 port:'; widthgroup=1; right; help='~*~'; tips='The port of the POP3 server, normally 110.'; }; edit { samerow; incdec='1,65535'; limit=5 }",
                    0);
    RegisterSetting(77, "SMTP_POP3_UserName", "SMTP POP3 User Name", Var::Text(""), "Networking\\SMTP",
                    "text { text='POP3 user name:'; widthgroup=1; right; help='~*~'; tips='The name to log in to the POP3 server with.'; }; edit { samerow; limit=255; }",
                    0);
    RegisterSetting(78, "SMTP_POP3_Password", "SMTP POP3 Password", Var::Text(""), "Networking\\SMTP",
                    "text { text='POP3 password:'; widthgroup=1; right; help='~*~'; tips='The password to log in to the POP3 server with.'; }; edit { samerow; limit=255; password; }",
                    kSettingEscaped | kSettingEnciphered);
    RegisterSetting(79, "EditboxTextDragable", "Editbox Drag and Drop", Var::Boolean(true), "Controls\\Editboxes",
                    "checkbox { text='Drag and drop of text'; tips='Lets selected text be moved and copied with the mouse.' }",
                    0);
    RegisterSetting(80, "DNS_Address", "DNS Server Addresses", Var::Text(""), "Networking\\DNS",
                    "text { text='DNS servers:'; widthgroup=1; right; help='~*~'; tips='The addresses of the name servers to ask, separated by commas.'; }; edit { samerow; limit=255; }",
                    0);
    RegisterSetting(81, "DNS_Port", "DNS Port", Var::Integer(53), "Networking\\DNS",
                    "text { text='DNS port:'; widthgroup=1; right; help='~*~'; tips='The port of the name servers, normally 53.'; }; edit { samerow; incdec='1,65535'; limit=5 }",
                    0);
    RegisterSetting(82, "DNS_Timeout", "DNS Timeout", Var::Integer(30), "Networking\\DNS",
                    "text { text='DNS timeout:'; widthgroup=1; right; help='~*~'; tips='How long to wait for a name server to answer.'; }; edit { samerow; incdec='1,300,1'; limit=3 }; text { text='seconds'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(83, "Use_OS_DNS", "Use the System Resolver", Var::Boolean(false), "Networking\\DNS",
                    "checkbox { text='Use the system''s resolver'; tips='Asks the operating system to look names up instead of asking name servers directly.' }",
                    0);
    RegisterSetting(84, "AutoDetectDNS", "Detect DNS Servers", Var::Boolean(true), "Networking\\DNS",
                    "checkbox { text='Detect DNS servers'; tips='Takes the name servers from the operating system''s network settings.' }",
                    0);
    RegisterSetting(85, "SoundEnabled", "Sound", Var::Boolean(true), "Sound",
                    "checkbox { text='Sound'; tips='Plays the system sounds of refusals and messages.' }",
                    0);
    RegisterSetting(86, "SoundDisableMW", "No Sound for Message Boxes", Var::Boolean(false), "Sound",
                    "checkbox { text='Silent message boxes'; indent; tips='Shows message boxes without a sound.' }",
                    0);
    RegisterSetting(87, "UsePrinterFonts", "Use Printer Fonts", Var::Boolean(true), "Printer",
                    "checkbox { text='Use printer fonts'; tips='Prints with the printer''s own fonts where it has them.' }",
                    0);
    RegisterRangedSetting(88, "TableDividerWidth", "Table Divider Width", Var::Rational(1.0), "Controls\\Tables",
                          "text { text='Divider width:'; widthgroup=1; right; help='~*~'; tips='The width of the lines between the columns of tables.'; }; edit { samerow; incdec='0,10,.5'; limit=4 }; text { text='pixels'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.0), Var::Rational(10.0));
    RegisterSetting(89, "TableDividerStyle", "Table Divider Style", Var::Integer(1), "Controls\\Tables",
                    "text { text='Divider style:'; widthgroup=1; right; help='~*~'; tips='The style of a table''s column dividers.'; }; combo { samerow; entries='None[0],Solid[1],Outset[2],Inset[3]'; storage='id' }",
                    0);
    RegisterSetting(90, "EnhancedBorders", "Enhanced Borders", Var::Boolean(true), "Controls",
                    "checkbox { text='Enhanced borders'; tips='Draws control borders with shading.' }",
                    0);
    RegisterSetting(91, "ControlIconQuality", "Control Icon Quality", Var::Integer(2), "Controls",
                    "text { text='Icon quality:'; widthgroup=1; right; help='~*~'; tips='How smoothly the icons of controls are scaled.'; }; combo { samerow; entries='Low[0],Medium[1],High[2]'; storage='id' }",
                    0);
    RegisterSetting(92, "NoButtonIcons", "No Button Icons", Var::Boolean(false), "Controls\\Buttons",
                    "checkbox { text='No button icons'; tips='Shows buttons with their text only.' }",
                    0);
    RegisterSetting(93, "HiliteStaticCombobox", "Highlight Static Comboboxes", Var::Boolean(true), "Controls\\Comboboxes",
                    "checkbox { text='Highlight fixed choices'; tips='Highlights the choice of comboboxes that cannot be typed into.' }",
                    0);
    RegisterSetting(94, "CaptionJustify", "Caption Justification", Var::Integer(0), "Windows\\Caption",
                    "text { text='Caption text:'; widthgroup=1; right; help='~*~'; tips='Where the caption text is placed.'; }; combo { samerow; entries='Left[0],Center[1],Right[2]'; storage='id' }",
                    0);
    RegisterSetting(95, "LargeCaptionIcon", "Large Caption Icon", Var::Boolean(false), "Windows\\Caption",
                    "checkbox { text='Large caption icon'; tips='Shows the window''s icon in the caption at full size.' }",
                    0);
    RegisterSetting(96, "BorderTypeSizable", "Sizable Border Type", Var::Integer(1), "Windows",
                    "text { text='Sizable border style:'; widthgroup=1; right; help='~*~'; tips='The style of the frame of windows that can be resized.'; }; combo { samerow; entries='Flat[0],Raised[1],Sunken[2],Etched[3]'; storage='id' }",
                    0);
    RegisterSetting(97, "BorderTypeStatic", "Static Border Type", Var::Integer(0), "Windows",
                    "text { text='Static border style:'; widthgroup=1; right; help='~*~'; tips='The style of the frame of windows of fixed size.'; }; combo { samerow; entries='Flat[0],Raised[1],Sunken[2],Etched[3]'; storage='id' }",
                    0);
    RegisterSetting(98, "ToolbarGap", "Toolbar Gap", Var::Integer(4), "Windows\\Toolbar",
                    "text { text='Gap between buttons:'; widthgroup=1; right; help='~*~'; tips='The space between toolbar buttons.'; }; edit { samerow; incdec='0,32,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(99, "ToolbarBorder", "Toolbar Border", Var::Boolean(true), "Windows\\Toolbar",
                    "checkbox { text='Toolbar border'; tips='Draws a frame around toolbars.' }",
                    0);
    RegisterSetting(100, "ToolbarIconsTransparent", "Transparent Toolbar Icons", Var::Boolean(true), "Windows\\Toolbar",
                    "checkbox { text='Transparent icons'; tips='Lets the toolbar''s background show through its icons.' }",
                    0);
    RegisterSetting(101, "Antialias2", "Anti-Alias", Var::Integer(5), "Controls\\Font",
                    "text { text='Anti-aliasing:'; widthgroup=1; right; help='~*~'; tips='How the edges of text are smoothed.'; }; combo { samerow; entries='System default[0],Off[3],Standard[4],ClearType[5]'; storage='id' }",
                    0);
    RegisterSetting(102, "AutoIndent", "Auto-Indent", Var::Integer(1), "Controls\\Editboxes",
                    "text { text='Auto-indent:'; widthgroup=1; right; help='~*~'; tips='Starts a new line with the tabs of the line before it.'; }; combo { samerow; entries='Disabled,Enabled'; storage='index' }",
                    0);
    RegisterSetting(103, "SC_Language", "Spell Checker Language", Var::Integer(1), "Spell Checker",
                    "text { text='Language:'; widthgroup=1; right; help='~*~'; tips='The identifier of the spell checker''s language.'; }; edit { samerow; incdec='1,9999'; limit=4 }",
                    0);
    RegisterSetting(104, "MenuTextMarginY1", "Menu Text Top Margin", Var::Integer(2), "Menus",
                    "text { text='Space above items:'; widthgroup=1; right; help='~*~'; tips='The space above the text of menu items.'; }; edit { samerow; incdec='0,32,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(105, "MenuTextMarginY2", "Menu Text Bottom Margin", Var::Integer(2), "Menus",
                    "text { text='Space below items:'; widthgroup=1; right; help='~*~'; tips='The space below the text of menu items.'; }; edit { samerow; incdec='0,32,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(106, "MenuIconMargin", "Menu Icon Margin", Var::Integer(2), "Menus",
                    "text { text='Space around icons:'; widthgroup=1; right; help='~*~'; tips='The space around the icons of menu items.'; }; edit { samerow; incdec='0,32,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(107, "ScrollButtonBT", "Scroll Button Border Type", Var::Integer(1), "Controls\\Scrollbars",
                    "text { text='Scroll button border:'; widthgroup=1; right; help='~*~'; tips='The frame of the buttons of scrollbars.'; }; combo { samerow; entries='Flat[0],Raised[1],Sunken[2],Etched[3]'; storage='id' }",
                    0);
    RegisterSetting(108, "BA_Close", "Close Button Glyph", Var::Integer(1), "Windows\\Caption\\Buttons",
                    "text { text='Close button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(109, "BA_Minimize", "Minimize Button Glyph", Var::Integer(2), "Windows\\Caption\\Buttons",
                    "text { text='Minimize button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(110, "BA_Maximize", "Maximize Button Glyph", Var::Integer(3), "Windows\\Caption\\Buttons",
                    "text { text='Maximize button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(111, "TabDistanceFixed", "Tab Distance - Fixed Pitch", Var::Integer(8), "Controls\\Editboxes",
                    "text { text='Tab distance, fixed pitch:'; widthgroup=1; right; help='~*~'; tips='The distance between tab stops in editboxes with a fixed-pitch font.'; }; edit { samerow; incdec='1,99,1'; limit=2 }; text { text='characters'; samerow; widthgroup=2 }",
                    0);
    RegisterRangedSetting(112, "TabDistanceVariable", "Tab Distance - Variable pitch", Var::Rational(1.0), "Controls\\Editboxes",
                          "text { text='Tab distance, variable pitch:'; widthgroup=1; right; help='~*~'; tips='The distance between tab stops in editboxes with a proportional font.'; }; edit { samerow; incdec='.5,100,.5'; limit=5 }; text { text='inches'; samerow; widthgroup=2 }",
                          0, Var::Rational(0.5), Var::Rational(100.0));
    RegisterSetting(113, "BA_Unmaximize", "Restore Button Glyph", Var::Integer(4), "Windows\\Caption\\Buttons",
                    "text { text='Restore button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(114, "BA_Enlarge", "Enlarge Button Glyph", Var::Integer(5), "Windows\\Caption\\Buttons",
                    "text { text='Enlarge button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(115, "BA_Shrink", "Shrink Button Glyph", Var::Integer(6), "Windows\\Caption\\Buttons",
                    "text { text='Shrink button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(116, "BA_Increment", "Increment Button Glyph", Var::Integer(7), "Controls\\Editboxes",
                    "text { text='Increment button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(117, "BA_Decrement", "Decrement Button Glyph", Var::Integer(8), "Controls\\Editboxes",
                    "text { text='Decrement button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(118, "BA_ScrollbarX1", "Scroll Left Glyph", Var::Integer(9), "Controls\\Scrollbars",
                    "text { text='Scroll left button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(119, "BA_ScrollbarX2", "Scroll Right Glyph", Var::Integer(10), "Controls\\Scrollbars",
                    "text { text='Scroll right button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(120, "CaretWidth", "Caret Width", Var::Integer(2), "Controls\\Editboxes",
                    "text { text='Caret width:'; widthgroup=1; right; help='~*~'; tips='The width of the blinking caret.'; }; edit { samerow; incdec='1,99,1'; limit=2 }; text { text='pixels'; samerow; widthgroup=2 }",
                    0);
    RegisterSetting(121, "BA_ScrollbarY1", "Scroll Up Glyph", Var::Integer(11), "Controls\\Scrollbars",
                    "text { text='Scroll up button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(122, "BA_ScrollbarY2", "Scroll Down Glyph", Var::Integer(12), "Controls\\Scrollbars",
                    "text { text='Scroll down button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(123, "BA_ScrollButtonX", "Horizontal Thumb Glyph", Var::Integer(13), "Controls\\Scrollbars",
                    "text { text='Horizontal thumb:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(124, "BA_ScrollButtonY", "Vertical Thumb Glyph", Var::Integer(14), "Controls\\Scrollbars",
                    "text { text='Vertical thumb:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(125, "BA_Dropdown_D", "Drop-Down Glyph", Var::Integer(15), "Controls\\Comboboxes",
                    "text { text='Drop-down button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(126, "BA_Dropdown_S", "Fixed Drop-Down Glyph", Var::Integer(16), "Controls\\Comboboxes",
                    "text { text='Fixed drop-down button:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(127, "BA_SortAscending", "Sort Ascending Glyph", Var::Integer(17), "Controls\\Tables",
                    "text { text='Sort ascending mark:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(128, "BA_SortDescending", "Sort Descending Glyph", Var::Integer(18), "Controls\\Tables",
                    "text { text='Sort descending mark:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
    RegisterSetting(129, "BA_Submenu", "Submenu Glyph", Var::Integer(19), "Menus",
                    "text { text='Submenu arrow:'; widthgroup=1; right; help='Button glyphs'; }; glyph { samerow }",
                    0);
}
