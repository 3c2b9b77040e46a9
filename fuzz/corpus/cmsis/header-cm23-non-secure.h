typedef enum {
  SysTick_IRQn = -1,
  WDT_IRQn = 16,
} IRQn_Type;
#define __CM23_REV 0x0100U
#define __NVIC_PRIO_BITS 2U
