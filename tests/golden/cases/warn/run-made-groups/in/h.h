#define __CM33_REV 0x0001U
#define __MPU_PRESENT 0
#define __NVIC_PRIO_BITS 3
#define __FPU_PRESENT 0
typedef enum {
  Reset_IRQn = -15,
  UART0_IRQn = 0,
  UART1_IRQn = 1,
} IRQn_Type;
#include "core_cm33.h"
