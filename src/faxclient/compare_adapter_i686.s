# The comparison that the program hands to RFaxListSort on 32-bit Windows
# (compare_adapter.h), for 32-bit x86 (GNU assembler, AT&T syntax). The
# native tests assemble this very file and run it under an x86 emulator.
#
# The library calls it back with two element pointers, and either removes
# them itself afterwards (a __cdecl caller) or expects the comparison to
# (__stdcall). At the first call of a sort the instructions at the return
# address tell which, where they can: see faxclientCallerPops. The decision
# then holds for the rest of the sort. Every routine here keeps %ebx, %esi,
# %edi and %ebp, and touches only %eax, %ecx and %edx, which both
# conventions let a callee change.
	.data
	.globl	_faxclientSortCompare
	.globl	_faxclientExportsPop
	.globl	_faxclientSortPop
	.balign	4
_faxclientSortCompare:
	.long	0
_faxclientExportsPop:
	.long	8
_faxclientSortPop:
	.long	-1

	.text
	.globl	_faxclientLibraryCompare
	.def	_faxclientLibraryCompare; .scl 2; .type 32; .endef
_faxclientLibraryCompare:
	movl	_faxclientSortPop, %eax
	testl	%eax, %eax
	jns	2f
	pushl	(%esp)
	call	_faxclientCallerPops
	addl	$4, %esp
	testl	%eax, %eax
	jns	1f
	movl	_faxclientExportsPop, %eax
1:	movl	%eax, _faxclientSortPop
2:	testl	%eax, %eax
	jz	_faxclientCdeclCompare
	jmp	_faxclientStdcallCompare

# The two adapters: the program's plain __cdecl comparison, returning as
# each convention wants. Each pushes the right element, then the left.
	.globl	_faxclientCdeclCompare
	.def	_faxclientCdeclCompare; .scl 2; .type 32; .endef
_faxclientCdeclCompare:
	pushl	8(%esp)
	pushl	8(%esp)
	call	*_faxclientSortCompare
	addl	$8, %esp
	ret

	.globl	_faxclientStdcallCompare
	.def	_faxclientStdcallCompare; .scl 2; .type 32; .endef
_faxclientStdcallCompare:
	pushl	8(%esp)
	pushl	8(%esp)
	call	*_faxclientSortCompare
	addl	$8, %esp
	ret	$8

# int32_t faxclientCallerPops(const uint8_t* returnAddress), __cdecl: the
# bytes that the code at returnAddress expects the comparison to remove,
# read from its first instruction (or two):
#   add $N, %esp with N >= 8 (83 C4 ib, 81 C4 id): it removes the two
#     arguments itself (Microsoft's compiler, push-style GCC): 0;
#   pop of a register, twice (58+r; not %esp): the same, in two bytes: 0;
#   sub $8, %esp (83 EC 08, 81 EC 08000000): GCC reserving again the space
#     that a __stdcall callee removed: 8;
#   anything else: -1, unknown.
# No byte is read beyond the instruction whose leading bytes matched, so
# the reading stays within the caller's code.
	.globl	_faxclientCallerPops
	.def	_faxclientCallerPops; .scl 2; .type 32; .endef
_faxclientCallerPops:
	movl	4(%esp), %edx
	movzbl	(%edx), %eax
	cmpb	$0x83, %al
	je	.Limmediate8
	cmpb	$0x81, %al
	je	.Limmediate32
	subl	$0x58, %eax
	cmpl	$7, %eax
	ja	.Lunknown
	cmpl	$4, %eax
	je	.Lunknown
	movzbl	1(%edx), %eax
	subl	$0x58, %eax
	cmpl	$7, %eax
	ja	.Lunknown
	cmpl	$4, %eax
	je	.Lunknown
	jmp	.Lcdecl
.Limmediate8:
	movzbl	1(%edx), %eax
	movsbl	2(%edx), %ecx
	jmp	.Lstack
.Limmediate32:
	movzbl	1(%edx), %eax
	movl	2(%edx), %ecx
.Lstack:
	cmpb	$0xC4, %al
	je	.Ladd
	cmpb	$0xEC, %al
	jne	.Lunknown
	cmpl	$8, %ecx
	jne	.Lunknown
	movl	$8, %eax
	ret
.Ladd:
	cmpl	$8, %ecx
	jl	.Lunknown
.Lcdecl:
	xorl	%eax, %eax
	ret
.Lunknown:
	movl	$-1, %eax
	ret
