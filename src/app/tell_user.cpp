#include "app/tell_user.h"

namespace tabrel {

void tell(Prompter& prompter, const Status& status) {
    if (!status.ok() && !status.message().empty()) prompter.error(status.message());
}

void tell(Prompter& prompter, const Notices& notices) {
    for (const Notice& n : notices.list()) {
        if (n.kind == Notice::Kind::Error)
            tell(prompter, Status::failure(n.text));
        else
            prompter.inform(n.text);
    }
}

}  // namespace tabrel
