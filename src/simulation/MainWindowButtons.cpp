#include "simulation/MainWindowButtons.h"

#include "core/Elements.h"

namespace loopsim {

MainWindowButtons::MainWindowButtons(SimContext& context) {
    Dialogs& dialogs = context.dialogs;
    context.view.element(elements::kExitButton).setText("E&xit");
    context.view.element(elements::kOptionsButton).setText("&Options");
    context.view.element(elements::kBugReportButton).setText("Report &Bug");
    context.input.on(elements::kExitButton).click = [&dialogs] { dialogs.requestExitPath(); };
    context.input.on(elements::kBugReportButton).click = [&dialogs] {
        dialogs.open(elements::kBugReportDialog);
    };
    for (const char* closer :
         {elements::kMailSendButton, elements::kManualSendButton, elements::kBugReportClose})
        context.input.on(closer).click = [&dialogs] { dialogs.close(elements::kBugReportDialog); };
}

}  // namespace loopsim
