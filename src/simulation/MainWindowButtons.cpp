#include "simulation/MainWindowButtons.h"

namespace loopsim {

MainWindowButtons::MainWindowButtons(SimContext& context) {
    Dialogs& dialogs = context.dialogs;
    context.view.element("Command1").setText("E&xit");
    context.view.element("Command2").setText("&Options");
    context.view.element("Command3").setText("Report &Bug");
    context.input.on("Command1").click = [&dialogs] { dialogs.requestExitPath(); };
    context.input.on("Command3").click = [&dialogs] { dialogs.open("BugReport"); };
    // Either send button, or the form's close box, closes the form.
    for (const char* send : {"BugReport.Command1", "BugReport.Command2", "BugReport.Close"})
        context.input.on(send).click = [&dialogs] { dialogs.close("BugReport"); };
}

}  // namespace loopsim
