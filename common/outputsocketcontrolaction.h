#pragma once

#include "action.h"

class OutputSocketControlAction : public Action
{
public:
    bool first_sock_conf = false;
    bool first_sock_ena = false;
    int first_sock_delay = 0;
    bool second_sock_conf = false;
    bool second_sock_ena = false;
    int second_sock_delay = 0;
};
