#ifndef PCIZ_TESTS_STEP_H
#define PCIZ_TESTS_STEP_H

#include "KitTestSupport.h"

// One step as a person takes it, then the delivery of everything handling it posts.
template <typename Action>
void Step(Action action)
{
    action();
    kittest::DeliverPostedMessages();
}

#endif
