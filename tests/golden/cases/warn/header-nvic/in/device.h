/* CMSIS device header of the DEMO1 microcontroller, written for regforge's examples. */
#ifndef DEMO1_H
#define DEMO1_H

typedef enum {
  NonMaskableInt_IRQn = -14,
  HardFault_IRQn      = -13,
  SVCall_IRQn         = -5,
  PendSV_IRQn         = -2,
  SysTick_IRQn        = -1,
  WDT_IRQn            = 0,
  RTC_IRQn            = 1,
  UART0_IRQn          = 5,
  UART1_IRQn          = 6,
  TIMER_IRQn          = 7
} IRQn_Type;

#define __CM4_REV        0x0001U
#define __MPU_PRESENT    1
#define __NVIC_PRIO_BITS 3
#define __FPU_PRESENT    1

#include "core_cm4.h"

#endif
