#pragma once

#include "data/MessageSeam.h"

// The message seam as the user sees it: a modal QMessageBox with the kind's icon.
class QtMessageSeam : public MessageSeam {
public:
    MessageAnswer show(const MessageRequest& request) override;
};
