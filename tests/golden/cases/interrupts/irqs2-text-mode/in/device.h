typedef enum {
  SysTick_IRQn = -1,
  UART0_IRQn = 0,
  UART1_IRQn = 1,
} IRQn_Type;

  LATE_IRQn = 2,
