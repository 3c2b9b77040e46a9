/* A device without a priority-bits macro. */
typedef enum {
  Reset_IRQn = -15,
  SysTick_IRQn = -1,
  WDT_IRQn = 0,
} IRQn_Type;
#define __CM4_REV 0x0001U
